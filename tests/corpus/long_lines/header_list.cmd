list
long.h
