params
LibZet4410.s79
int ZetUartInit(int port, long baud, int format)
