params
desc.h
int RunsOn(int m)
