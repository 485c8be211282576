params
desc.h
int Spaced(int m)
