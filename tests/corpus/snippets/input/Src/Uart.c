#include "../Include/Uart.h"

/**
 * @brief   int UartInit opens a port at one of the "standard" rates \ speeds.	
 * @param port :{0,1}
 * @param baud :{9600,115200}
 */
int UartInit(int port, long baud)
{
	return port + (int)baud;
}

/**
 * @brief int UartSend sends ${text} and waits}.
 * @param text :{pick.exe}
 * @param flags :{TX_WAIT|TX_CRLF|TX_A,B}
 */
int UartSend(const char *text, int flags)
{
	return text[0] + flags;
}

/**
 * @param level :{0-7}
 */
void UartTrace(int level)
{
	(void)level;
}
