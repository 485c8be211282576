list
ab.h
