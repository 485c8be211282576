params
desc.h
int Parenthesised(int m)
