params
cafe.h
int Bytes(int valid, int unassigned, int overlong, int surrogate)
