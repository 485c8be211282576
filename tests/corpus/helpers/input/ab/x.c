/**
 * @brief Picks a colour
 * @param colour :{pick.exe}
 * @note Run pick.exe to see the colours
 */
int Colour(int colour)
{
}
/**
 * @note the helper missing.exe is not installed
 */
int Missing(int x)
{
}
