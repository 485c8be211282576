call
range.h
int Ranges(int a, int b, int c, int d)
abc
 300
(7)

