/**
 * @param a :{0-255}
 * @param b :{0x10-0x20}
 * @param c :{1-3-5}
 * @param d :{-5-5}
 */
int Ranges(int a, int b, int c, int d)
{
}
/**
 * @param big :{0-2147483647}
 * @param small :{0-2147483647}
 */
int Big(int big, int small)
{
}
/**
 * @param a :{0-255}
 * @param b :{0-16}
 * @param c :{0-20}
 * @param d :{0-9}
 */
int Numbers(int a, int b, int c, int d)
{
}
/**
 * @param a :{1-9}
 * @param b :{0-9}
 * @param c :{0|1|-1}
 */
int Odd(int a, int b, int c)
{
}
