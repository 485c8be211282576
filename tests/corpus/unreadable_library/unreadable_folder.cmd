list
lib.h
