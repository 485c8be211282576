show
asm/port.s79
void PortReset(void)
