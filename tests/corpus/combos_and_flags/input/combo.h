int Pick(int mode, int speed);
int Tool(int how);
int Open(int flags, int mode, int extra);
