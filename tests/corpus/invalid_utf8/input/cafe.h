int Cafe(int mode, int quote);
int Steps(int straddle, int late);
