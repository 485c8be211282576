call
./Include/Port.h
int PortRead(int port, int mode)
1
RD|WR
