list
LibZet4410.s79
