call
asm/port.s79
int PortWrite(int port, int value)
1
0x100
