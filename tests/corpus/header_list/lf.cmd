list
port.h
