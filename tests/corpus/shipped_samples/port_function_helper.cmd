params
./Include/Port.h
int PortSetSpeed(int port, long baud, int parity, int stop)
