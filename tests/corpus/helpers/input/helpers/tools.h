int Colour(int colour);
int Missing(int x);
