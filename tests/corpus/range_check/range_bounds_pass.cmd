call
range.h
int Ranges(int a, int b, int c, int d)
0
0x20
3
-100
