list
portlib.s79
