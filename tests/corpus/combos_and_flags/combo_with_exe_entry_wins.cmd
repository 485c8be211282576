call
combo.h
int Tool(int how)
skip
