# A full-duplex modem with two external 400 MHz narrow-band radios (Lumbrel, type 55:
# 403-430 MHz, reference divider R 2048 on the 12.8 MHz crystal, so 6.25 kHz
# channels; first IF 45 MHz): the transmit radio behind "ST" sends on 415.0000 MHz,
# the receive radio behind "SR" listens on 420.0000 MHz. Delivered with both ports
# at 4800,N,8,1. Firmware 3.1.
firmware = 3.1
prompt_interval_ms = 200
rssi = 175

# 0x80: carries the diagnostics settings; 0x85: type 55; 0x86: unused (no built-in radio)
memory 80 = 80 00 00 00 00 37 00 00
# diagnostics SIDs; port A and B SIDs; port A hardware flow control, port B enabled
memory 88 = 01 02 11 12 21 22 04 04
# end of message CR, character timers, maximum frames (port A, port B)
memory 90 = 0D 0D 0A 0A FF FF
# port formats 4800,N,8,1; PTT time-out 30 s; serial number 554022
memory 96 = 04 04 0B B8 55 40 22
# no built-in synthesiser
memory E0 = 00 00 00 00 00 00 00
# power alarm 1000 mW, threshold -100 dBm, no calibrations, TX delay 10 ms,
# 4 slots of 10, no collision avoidance, radio side at 9600 baud,
# external radios (0xFA bit 1), full duplex,
# SID codes on (port B is enabled), high power, PTT on data, master
memory F0 = 30 00 50 00 00 0C 04 0A 00 10 02 C0 00

# The transmit radio, version 1.4; a synthesiser load answers status 1 (bit 0: locked).
radio.tx.family = lumbrel
radio.tx.version = 14
radio.tx.load_status = 01
# 0x41: bit 0 = bit 16 of the transmit divider, bit 1 = bit 16 of the receive
# divider; 0x42..0x43: R 2048; 0x44..0x45: receive divider; 0x46..0x47: transmit
# divider. A transmit radio holds its transmit divider in both:
# 66400 = 0x10360 steps of 6.25 kHz, 415.0000 MHz.
radio.tx.memory 41 = 03 08 00 03 60 03 60
# trim setting +3 over the base (0x4C); power byte 63
radio.tx.memory 4C = 0B
radio.tx.memory 4E = 3F
# trim spans 24 and 215 (settings -32..32); serial number 455013; trim base 8;
# trim gain 25 Hz
radio.tx.memory 75 = 18 D7
radio.tx.memory 78 = 45 50 13 08 19
# radio type 55
radio.tx.memory 7F = 37

# The receive radio, version 1.4.
radio.rx.family = lumbrel
radio.rx.version = 14
radio.rx.load_status = 01
# R 2048; receive divider 60000 = 0xEA60: 420.0000 - 45 MHz in steps of 6.25 kHz
radio.rx.memory 41 = 00 08 00 EA 60
# trim setting -2 over the base; power byte as shipped
radio.rx.memory 4C = 06
radio.rx.memory 4E = 3F
# trim spans 24 and 215; serial number 455014; trim base 8; trim gain 25 Hz
radio.rx.memory 75 = 18 D7
radio.rx.memory 78 = 45 50 14 08 19
radio.rx.memory 7F = 37
