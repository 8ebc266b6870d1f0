# A modem with its built-in low-band radio (type 7): transmits 849.0000 MHz and
# receives 76 MHz higher, at 925.0000 MHz; the synthesiser runs 121 MHz above the
# transmit frequency, at 970.0000 MHz. Firmware 3.1.
firmware = 3.1
prompt_interval_ms = 200
rssi = 175

# 0x80: carries the diagnostics settings; 0x85: type 7; 0x86: trim +4
memory 80 = 80 00 00 00 00 07 04 00
# diagnostics SIDs; port A and B SIDs; port A hardware flow control, port B enabled
memory 88 = 01 02 11 12 21 22 04 04
# end of message CR, character timers, maximum frames (port A, port B)
memory 90 = 0D 0D 0A 0A FF FF
# port formats 9600,N,8,1; PTT time-out 30 s; serial number 070315
memory 96 = 05 05 0B B8 07 03 15
# synthesiser: R 960 (12.5 kHz steps), 2*A = 64, 16*N = 9696: 970.0000 MHz
memory E0 = 00 00 03 C0 40 25 E0
# power alarm 1000 mW, threshold -100 dBm, no calibrations, TX delay 10 ms,
# 4 slots of 10, no collision avoidance, radio side at 9600 baud,
# built-in full-duplex radio,
# SID codes on (port B is enabled), high power, PTT on data, master
memory F0 = 30 00 50 00 00 0C 04 0A 00 10 00 C0 00
