params
split.h
reset()
