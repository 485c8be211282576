extern int PortRead(int port , int mode);
