# A full-duplex modem with two external 200 MHz radios (Rudvik, type 62: 216-225 MHz
# on 12.5 kHz channels, first IF 21.4 MHz; dual-modulus counters N = 64 * B + A;
# no trim, a high/low power switch): the transmit radio behind "ST" sends on
# 220.0125 MHz, the receive radio behind "SR" listens on 222.5000 MHz. Firmware 3.1.
firmware = 3.1
prompt_interval_ms = 200
rssi = 175

# 0x80: carries the diagnostics settings; 0x85: type 62; 0x86: unused (no built-in radio)
memory 80 = 80 00 00 00 00 3E 00 00
# diagnostics SIDs; port A and B SIDs; port A hardware flow control, port B enabled
memory 88 = 01 02 11 12 21 22 04 04
# end of message CR, character timers, maximum frames (port A, port B)
memory 90 = 0D 0D 0A 0A FF FF
# port formats 9600,N,8,1; PTT time-out 30 s; serial number 623005
memory 96 = 05 05 0B B8 62 30 05
# no built-in synthesiser
memory E0 = 00 00 00 00 00 00 00
# power alarm 1000 mW, threshold -100 dBm, no calibrations, TX delay 10 ms,
# 4 slots of 10, no collision avoidance, radio side at 9600 baud,
# external radios (0xFA bit 1), full duplex,
# SID codes on (port B is enabled), high power, PTT on data, master
memory F0 = 30 00 50 00 00 0C 04 0A 00 10 02 C0 00

# The transmit radio, version 3.1; a synthesiser load answers status 0.
radio.tx.family = rudvik
radio.tx.version = 31
radio.tx.load_status = 00
# 0x40..0x41: reference control word 1024; 0x42..0x43, 0x44: receive B and A
# counters; 0x45..0x46, 0x47: transmit B and A counters. A transmit radio holds its
# transmit divider in both: N 17601 = 64 * 275 + 1, 220.0125 MHz.
radio.tx.memory 40 = 04 00 01 13 01 01 13 01
# power byte: bit 7 clear, high power
radio.tx.memory 4E = 05
# serial number 620031; trim gain 100 Hz
radio.tx.memory 78 = 62 00 31 00 64
# radio type 62
radio.tx.memory 7F = 3E

# The receive radio, version 3.1.
radio.rx.family = rudvik
radio.rx.version = 31
radio.rx.load_status = 00
# reference control word 1024; receive counters for N 16088 = 64 * 251 + 24:
# 222.5000 - 21.4 MHz in steps of 12.5 kHz
radio.rx.memory 40 = 04 00 00 FB 18
radio.rx.memory 4E = 05
# serial number 620032; trim gain 100 Hz
radio.rx.memory 78 = 62 00 32 00 64
radio.rx.memory 7F = 3E
