int F(int aa, int bb)
{
}
