# A full-duplex modem with two external 900 MHz narrow-band radios (Moskar, type 25:
# 896-902 MHz on 6.25 kHz channels, first IF 45 MHz, dividers of 18 bits): the
# transmit radio behind "ST" sends on 899.0000 MHz, the receive radio behind "SR"
# listens on 897.0000 MHz. Delivered with both ports at 4800,N,8,1. Firmware 3.1.
firmware = 3.1
prompt_interval_ms = 200
rssi = 175

# 0x80: carries the diagnostics settings; 0x85: type 25; 0x86: unused (no built-in radio)
memory 80 = 80 00 00 00 00 19 00 00
# diagnostics SIDs; port A and B SIDs; port A hardware flow control, port B enabled
memory 88 = 01 02 11 12 21 22 04 04
# end of message CR, character timers, maximum frames (port A, port B)
memory 90 = 0D 0D 0A 0A FF FF
# port formats 4800,N,8,1; PTT time-out 30 s; serial number 252014
memory 96 = 04 04 0B B8 25 20 14
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
# 143840 = 0x231E0 steps of 6.25 kHz, 899.0000 MHz.
radio.tx.memory 41 = 02 31 E0
radio.tx.memory 45 = 02 31 E0
# trim setting +3 over the base (0x4C); power byte 61: 1031 mW on this radio's curve
radio.tx.memory 4C = 0B
radio.tx.memory 4E = 3D
# trim spans 24 and 215 (settings -32..32); serial number 325001; trim base 8;
# trim gain 25 Hz
radio.tx.memory 75 = 18 D7
radio.tx.memory 78 = 32 50 01 08 19
# radio type 25
radio.tx.memory 7F = 19

# The receive radio, version 2.3.
radio.rx.family = moskar
radio.rx.version = 23
radio.rx.load_status = 00
# receive divider 136320 = 0x21480: 897.0000 - 45 MHz in steps of 6.25 kHz
radio.rx.memory 41 = 02 14 80
# trim setting -2 over the base; power byte as shipped
radio.rx.memory 4C = 06
radio.rx.memory 4E = 3D
# trim spans 24 and 215; serial number 325002; trim base 8; trim gain 25 Hz
radio.rx.memory 75 = 18 D7
radio.rx.memory 78 = 32 50 02 08 19
radio.rx.memory 7F = 19
