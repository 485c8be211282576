list
nul.h
