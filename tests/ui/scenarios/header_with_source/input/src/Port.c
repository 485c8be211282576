/**
 * @brief int PortOpen opens.
 */
int PortOpen(int port)
{
}
/**
 * @brief int PortRead reads.
 * @param port :{0,1}
 * @note Ask probe.exe for the port
 */
int PortRead(int port, int mode)
{
}
