call
setmode.h
int SetMode(int mode, unsigned flags, int level, char * name)
SLOW
RD|EX
300

ignored
