int Colour(int colour);
int Shade(int shade);
