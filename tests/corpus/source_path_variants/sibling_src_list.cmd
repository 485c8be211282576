list
lib/Include/Port.h
