show
x.h
