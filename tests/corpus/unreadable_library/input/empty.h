/* nothing */
#define A 1
