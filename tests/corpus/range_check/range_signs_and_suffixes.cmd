call
range.h
int Odd(int a, int b, int c)
- 5
12ab
-1
