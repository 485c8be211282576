show
nodoc.h
int Indented(int y)
