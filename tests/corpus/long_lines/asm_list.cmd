list
long.s79
