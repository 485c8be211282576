params
desc.h
int Noted(int m)
