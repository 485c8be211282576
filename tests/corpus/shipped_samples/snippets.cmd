snippets
LibZet4410.s79
Asm/PortLib.s79
./Include/Port.h
