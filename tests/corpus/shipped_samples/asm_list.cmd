list
Asm/PortLib.s79
