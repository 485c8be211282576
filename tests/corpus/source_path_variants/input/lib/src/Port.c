/**
 * @brief Reads a port
 * @param port :{0,1,2}
 * @param mode :{RD|WR}
 * @note Configure with portcfg.exe
 */
int PortRead(int port, int mode)
{
    return 0;
}
