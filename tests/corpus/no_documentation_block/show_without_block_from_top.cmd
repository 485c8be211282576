show
nodoc.h
int Plain(int x)
