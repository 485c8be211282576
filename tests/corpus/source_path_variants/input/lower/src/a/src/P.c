// read from src
int f(int a)
