show
lower/INCLUDE/a/include/P.h
int f(int a)
