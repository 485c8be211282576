params
split.h
char *get(char *buf, int len)
