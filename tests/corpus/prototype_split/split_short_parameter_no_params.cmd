call
split.h
int Short(T a, int b)
1
2
