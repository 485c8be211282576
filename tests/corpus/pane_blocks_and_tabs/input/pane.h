int First(int a);
int Second(int b);
int Third(void);
