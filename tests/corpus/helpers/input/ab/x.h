int Colour(int colour);
