list
missing.s79
