call
LibZet4410.s79
int ZetAdcRead(int channel, int flags)
3
ADC_START|ADC_IRQ
