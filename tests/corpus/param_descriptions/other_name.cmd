params
desc.h
int OtherName(int m)
