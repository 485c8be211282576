show
lib2/include/Port.h
int PortRead(int port, int mode)
