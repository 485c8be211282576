char *get(char *buf,int len);
int Ptr(void * p);
int Short(T a, int b);
int Five(int a1, int b2, int c3, int d4, int e5);
