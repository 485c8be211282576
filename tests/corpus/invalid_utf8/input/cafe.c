/**
 * @param mode :{café,naïve}
 * @param quote :{“x”|€}
 */
int Cafe(int mode, int quote)
{
}
