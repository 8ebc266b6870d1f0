# A full-duplex modem with two external 900 MHz radios (Moskar, type 12: 928-960 MHz
# on 12.5 kHz channels, first IF 45 MHz): the transmit radio behind "ST" sends on
# 952.0000 MHz, the receive radio behind "SR" listens on 940.0000 MHz.
# Firmware 3.1.
firmware = 3.1
prompt_interval_ms = 200
rssi = 175

# 0x80: carries the diagnostics settings; 0x85: type 12; 0x86: unused (no built-in radio)
memory 80 = 80 00 00 00 00 0C 00 00
# diagnostics SIDs; port A and B SIDs; port A hardware flow control, port B enabled
memory 88 = 01 02 11 12 21 22 04 04
# end of message CR, character timers, maximum frames (port A, port B)
memory 90 = 0D 0D 0A 0A FF FF
# port formats 9600,N,8,1; PTT time-out 30 s; serial number 122007
memory 96 = 05 05 0B B8 12 20 07
# no built-in synthesiser
memory E0 = 00 00 00 00 00 00 00
# power alarm 1000 mW, threshold -100 dBm, no calibrations, TX delay 10 ms,
# 4 slots of 10, no collision avoidance, radio side at 9600 baud,
# external radios (0xFA bit 1), full duplex,
# SID codes on (port B is enabled), high power, PTT on data, master
memory F0 = 30 00 50 00 00 0C 04 0A 00 10 02 C0 00

# The transmit radio, version 2.3; a synthesiser load answers status 0 (locked).
radio.tx.family = moskar
radio.tx.version = 23
radio.tx.load_status = 00
# 0x41 bits 0-1 and 0x42..0x43: receive divider; 0x45 bits 0-1 and 0x46..0x47:
# transmit divider. A transmit radio holds its transmit divider in both:
# 76160 = 0x12980 steps of 12.5 kHz, 952.0000 MHz.
radio.tx.memory 41 = 01 29 80
radio.tx.memory 45 = 01 29 80
# trim setting +3 over the base (0x4C); power byte 61: 990 mW
radio.tx.memory 4C = 0B
radio.tx.memory 4E = 3D
# trim spans 24 and 215 (settings -32..32); serial number 312001; trim base 8;
# trim gain 50 Hz
radio.tx.memory 75 = 18 D7
radio.tx.memory 78 = 31 20 01 08 32
# radio type 12
radio.tx.memory 7F = 0C

# The receive radio, version 2.3.
radio.rx.family = moskar
radio.rx.version = 23
radio.rx.load_status = 00
# receive divider 71600 = 0x117B0: 940.0000 - 45 MHz in steps of 12.5 kHz
radio.rx.memory 41 = 01 17 B0
# trim setting -2 over the base; power byte as shipped
radio.rx.memory 4C = 06
radio.rx.memory 4E = 3D
# trim spans 24 and 215; serial number 312002; trim base 8; trim gain 50 Hz
radio.rx.memory 75 = 18 D7
radio.rx.memory 78 = 31 20 02 08 32
radio.rx.memory 7F = 0C
