params
combo.h
int Open(int flags, int mode, int extra)
