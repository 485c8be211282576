call
range.h
int Numbers(int a, int b, int c, int d)
+300
019
0X1f
0x
