params
split.h
int Two(int a, T b)
