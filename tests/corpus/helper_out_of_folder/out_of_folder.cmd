params
library/tools.h
int Colour(int colour)
