params
split.h
int Ptr(void * p)
