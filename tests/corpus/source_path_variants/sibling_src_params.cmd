params
lib/Include/Port.h
int PortRead(int port, int mode)
