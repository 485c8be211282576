show
nosrc/missing.h
int Gone(int a)
