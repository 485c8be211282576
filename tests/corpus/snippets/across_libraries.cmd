snippets
./Include/Uart.h
Board2.s79
./Include/Uart.h
