// read beside the header
int f(int a)
