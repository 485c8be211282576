params
helpers/tools.h
int Missing(int x)
