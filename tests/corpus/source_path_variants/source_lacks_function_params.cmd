params
lib/Include/Port.h
int no(int a)
