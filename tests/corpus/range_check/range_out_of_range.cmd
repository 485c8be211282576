call
range.h
int Ranges(int a, int b, int c, int d)
256
15
4
99
