params
cafe.h
int Beyond(int past)
