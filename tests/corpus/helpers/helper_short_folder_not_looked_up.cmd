params
ab/x.h
int Colour(int colour)
