params
desc.h
int Semicolon(int m)
