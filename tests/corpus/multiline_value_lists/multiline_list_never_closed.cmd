params
multi.h
int Open2(int m)
