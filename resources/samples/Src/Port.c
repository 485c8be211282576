/* Port.c - digital I/O ports of the sample board. */
#include "Port.h"

static int modes[PORT_COUNT];

/**
 * @brief int PortOpen opens a port.
 * @param port :{0,1,2,3}
 * @param mode :{RD|WR|EX}
 * @return 0 on success, -1 when the port is busy.
 */
int PortOpen(int port, int mode)
{
	if (modes[port] != 0)
		return -1;
	modes[port] = mode;
	return 0;
}

/**
 * @brief int PortRead reads the pins of an open port.
 * @param port :{0,1,2,3}
 * @param mode :{RD|WR}
 */
int PortRead(int port, int mode)
{
	return (modes[port] & mode) ? 0x5A : -1;
}

/**
 * @brief int PortWrite drives the pins of an open port.
 * @param port :{0,1,2,3}
 * @param value :{0-255}
 */
int PortWrite(int port, int value)
{
	return (modes[port] & WR) ? value : -1;
}

/**
 * @brief void PortReset closes every port.
 */
void PortReset(void)
{
	for (int i = 0; i < PORT_COUNT; ++i)
		modes[i] = 0;
}

/**
 * @brief int PortSetSpeed sets the line speed of a serial port.
 * @param port :{0,1,2,3}
 * @param baud :{9600,19200,38400,57600,115200}
 * @param parity :{NONE,ODD,EVEN}
 * @param stop :{1-2}
 * @note the divisor for each rate: baudcalc.exe
 */
int PortSetSpeed(int port, long baud, int parity, int stop)
{
	return (port < PORT_COUNT && baud > 0 && parity >= 0 && stop > 0) ? 0 : -1;
}

/**
 * @brief char * PortName writes the name of a port into a buffer.
 * @param port :{0,1,2,3}
 * @param buffer  the caller's buffer
 * @param size :{1-64}
 */
char *PortName(int port, char *buffer, int size)
{
	static const char digits[] = "0123";
	if (size < 6)
		return 0;
	buffer[0] = 'P'; buffer[1] = 'o'; buffer[2] = 'r'; buffer[3] = 't';
	buffer[4] = digits[port]; buffer[5] = 0;
	return buffer;
}

/**
 * @brief void PortClose releases a port.
 * @param port :{0,1,2,3}
 */
void PortClose(int port)
{
	modes[port] = 0;
}
