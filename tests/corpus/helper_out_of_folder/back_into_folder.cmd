params
library/tools.h
int Shade(int shade)
