show
pane.h
int Second(int b)
