#include <x.h>
static int helper;
int Plain(int x) { /* body */
}
  int Indented(int y)
/** Next */
int Other(void)
