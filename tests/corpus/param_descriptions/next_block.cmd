params
desc.h
int NextBlock(int m)
