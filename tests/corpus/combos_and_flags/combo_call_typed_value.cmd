call
combo.h
int Pick(int mode, int speed)
TURBO
9
