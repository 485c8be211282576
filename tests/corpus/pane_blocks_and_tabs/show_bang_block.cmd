show
pane.h
int First(int a)
