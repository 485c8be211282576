params
cafe.h
int Cafe(int mode, int quote)
