show

int no(int a)
