show
portlib.s79
int  PortWrite(int  port,	int value)
