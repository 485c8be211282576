show
dotc/INCLUDE/a/include/P.h
int f(int a)
