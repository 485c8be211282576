/** get */
char *get(char *buf, int len)
{
}
/** Ptr */
int Ptr(void * p)
{
}
/** Short */
int Short(T a, int b)
{
}
/** Five
@param c3 :{X,Y}
*/
int Five(int a1, int b2, int c3, int d4, int e5)
{
}
/** Two */
int Two(int a, T b)
{
}
/** reset */
reset()
{
}
/** no parenthesis */
no parenthesis
