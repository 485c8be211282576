show
long.h
int Hidden(int a)
