int Cafe(int mode, int quote);
