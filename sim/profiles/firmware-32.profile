# A built-in high-band modem (type 6, 929.0125 MHz as default.profile) with
# firmware 3.2, which asks the programmer for its version: it requires 3.0 and
# prefers 3.4.
firmware = 3.2
product_version = 3.0;3.4
prompt_interval_ms = 200
rssi = 175

# 0x80: carries the diagnostics settings; 0x85: type 6; 0x86: no trim
memory 80 = 80 00 00 00 00 06 00 00
# diagnostics SIDs; port A and B SIDs; port A hardware flow control, port B enabled
memory 88 = 01 02 11 12 21 22 04 04
# end of message CR, character timers, maximum frames (port A, port B)
memory 90 = 0D 0D 0A 0A FF FF
# port formats 9600,N,8,1; PTT time-out 30 s; serial number 320044
memory 96 = 05 05 0B B8 32 00 44
# synthesiser: R 960 (12.5 kHz steps), 2*A = 2, 16*N = 8080: 808.0125 MHz
memory E0 = 00 00 03 C0 02 1F 90
# power alarm 1000 mW, threshold -100 dBm, no calibrations, TX delay 10 ms,
# 4 slots of 10, no collision avoidance, radio side at 9600 baud,
# built-in full-duplex radio,
# SID codes on (port B is enabled), high power, PTT on data, master
memory F0 = 30 00 50 00 00 0C 04 0A 00 10 00 C0 00
