snippets
Gone.h
./Include/Uart.h
