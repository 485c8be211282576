call
pane.h
int Nope(int a)
5
