/**
 * @brief Sets the mode
 * @param mode :{FAST,SLOW}
 * @param flags :{RD|WR|EX}
 * @param level:{0-255}
 * @param name :{pick.exe}
 * @note Use calc.exe for the level
*/
int SetMode(int mode, unsigned flags, int level, char * name)
{
    return 0;
}
