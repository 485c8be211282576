params
split.h
no parenthesis
