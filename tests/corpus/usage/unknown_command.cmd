lists
x.h
