/** Header of the file */
#include "pane.h"
/*! First function */
int First(int a)
{
	return a;	// one
}
	/**
 * Second function
 *	@param b :{1,2}
 */
int Second(int b)
{
ab	c	d
abcde	f
	return b;
}
   /*! Third */
int Third(void)
{
}
