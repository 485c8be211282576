call
helpers/tools.h
int Colour(int colour)
