params
desc.h
int BlankAfterColon(int m)
