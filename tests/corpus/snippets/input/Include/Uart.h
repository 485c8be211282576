int UartInit(int port, long baud);
int UartSend(const char *text, int flags);
void UartTrace(int level);
int UartSend(const char *text);
