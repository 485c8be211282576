params
multi.h
int Star(int m, int n)
