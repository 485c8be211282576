show
asm/port.s79
int PortWrite(int port, int value)
