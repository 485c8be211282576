show
code.s79
int Alt(int a)
