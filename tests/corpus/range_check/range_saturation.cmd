call
range.h
int Big(int big, int small)
99999999999
-99999999999
