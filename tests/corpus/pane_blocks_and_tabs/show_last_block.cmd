show
pane.h
int Third(void)
