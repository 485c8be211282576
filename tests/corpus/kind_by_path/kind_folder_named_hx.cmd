list
lib.hx/funcs.s79
