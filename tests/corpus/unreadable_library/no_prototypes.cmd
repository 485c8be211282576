list
empty.h
