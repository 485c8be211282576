/**
 * @param mode :{ FAST , SLOW ,, AUTO }
 * @param speed : {1,2,3}
 */
int Pick(int mode, int speed)
{
}
/**
 * @param how :{run.exe,skip}
 */
int Tool(int how)
{
}
/**
 * @param flags :{RD|WR|EX}
 * @param mode :{|A|B}
 * @param extra :{x||y}
 */
int Open(int flags, int mode, int extra)
{
}
