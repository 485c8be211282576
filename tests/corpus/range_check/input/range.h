int Ranges(int a, int b, int c, int d);
int Big(int big, int small);
