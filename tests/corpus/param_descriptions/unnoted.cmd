params
desc.h
int Unnoted(int m)
