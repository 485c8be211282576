params
helpers/tools.h
int Colour(int colour)
