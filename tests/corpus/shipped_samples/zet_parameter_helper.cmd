params
LibZet4410.s79
void ZetTimerStart(int timer, int prescale, unsigned reload)
