/**
 * @param mode :{café,naïve}
 * @param quote :{“x”|€}
 */
int Cafe(int mode, int quote)
{
}
/**
 * @param valid :{cafÃ©ğŸ˜€ï¿¿}
 * @param unassigned :{}
 * @param overlong :{À¯}
 * @param surrogate :{í €}
 */
int Bytes(int valid, int unassigned, int overlong, int surrogate)
{
}
/**
 * @param past :{ô€€}
 */
int Beyond(int past)
{
}
/**
 * @param straddle :{abcdefgÃ©}
 * @param late :{abcdefgh12345678À¯}
 */
int Steps(int straddle, int late)
{
}
