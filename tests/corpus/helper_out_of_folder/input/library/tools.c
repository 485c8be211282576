/**
 * @brief int Colour picks a colour.
 * @param colour :{0,1,2}
 * @note the colours are shown by ../outside/evil.exe
 */
int Colour(int colour)
{
}
/**
 * @brief int Shade picks a shade.
 * @param shade :{0,1}
 * @note the shades are shown by sub/../pick.exe
 */
int Shade(int shade)
{
}
