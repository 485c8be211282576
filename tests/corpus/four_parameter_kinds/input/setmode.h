int SetMode(int mode, unsigned flags, int level, char * name);
