/**
@param m :{A,
B}
@param n :{0-9}
*/
int Multi(int m, int n)
{
}
/**
 * @param m :{A,
 * B}
 * @param n :{0-9}
 */
int Star(int m, int n)
{
}
/**
@param m :{A,
B}
*/
int Open2(int m)
{
}
