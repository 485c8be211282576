int PortOpen(int port);
extern int  PortRead (int port , int mode );
