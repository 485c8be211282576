/* Port library header
   int NotAFunction(int x);
*/
#define PORTS 4
extern int  PortRead (int port , int mode );  // reads a port
int	PortMode(int	port,char  mode);
typedef int (*PortHook)(int);
 int PortClose(int port);
int PortOpen(int port); /* opens */
int PortLock(int port); /* starts a comment
   still comment int Hidden(int x);
*/int AfterComment(int x);
int NextLine(int x);
f(x)
int portClose(int p);
int PortClose(int p);
int PortRead(int port, int mode);
void PortReset( void );
int PortWait(int  port,   int  ms); // waits
extern  int PortFlush(int port);
// int Commented(int x);
int PortSet(int port, int value) /* same line */ ;
INT UPPER(int a);
2bad(int x);
Gaps(a , , b);
Nested(a, (b));
eextern xtern Once(x);
