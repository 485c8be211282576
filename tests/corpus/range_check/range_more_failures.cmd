call
range.h
int Ranges(int a, int b, int c, int d)
-1
0x0f
+4
-6
