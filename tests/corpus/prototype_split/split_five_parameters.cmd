call
split.h
int Five(int a1, int b2, int c3, int d4, int e5)
1
2

4
5
