params
cafe.h
int Steps(int straddle, int late)
