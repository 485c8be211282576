params
desc.h
int Commented(int m)
