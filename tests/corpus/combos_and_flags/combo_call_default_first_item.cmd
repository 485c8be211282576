call
combo.h
int Pick(int mode, int speed)
