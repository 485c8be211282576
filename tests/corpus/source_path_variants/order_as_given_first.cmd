show
given/P.s79
int f(int a)
