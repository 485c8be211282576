list
asm/port.s79
