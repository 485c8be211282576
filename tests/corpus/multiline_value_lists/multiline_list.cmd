params
multi.h
int Multi(int m, int n)
