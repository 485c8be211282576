// read from Src
int f(int a)
