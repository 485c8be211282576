/*
 * Port.h - digital I/O ports of the sample board.
 *
 * A small library used to try Wrennet out: add this header with &Add,
 * open the function list and pick a routine. The documentation and the
 * definitions live in ../Src/Port.c.
 */
#ifndef PORT_H
#define PORT_H

#define PORT_COUNT 4

/* Access modes, combined with "|" */
#define RD 0x01
#define WR 0x02
#define EX 0x04

extern int  PortOpen (int port , int mode );   // open a port for reading and/or writing
extern int  PortRead(int port,int mode);
extern int  PortWrite(int port, int value);
extern void PortReset( void );
int PortSetSpeed(int port, long baud, int parity, int stop);
char *PortName(int port, char *buffer, int size);
void PortClose(int port);  /* releases the pins */

#endif
