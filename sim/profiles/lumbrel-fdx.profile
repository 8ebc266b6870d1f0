# A full-duplex modem with two external 450 MHz radios (Lumbrel, type 39: 450-470 MHz,
# reference divider R 1024 on the 12.8 MHz crystal, so 12.5 kHz channels; first IF
# 45 MHz): the transmit radio behind "ST" sends on 460.5000 MHz, the receive radio
# behind "SR" listens on 465.5000 MHz. Firmware 3.1.
firmware = 3.1
prompt_interval_ms = 200
rssi = 175

# 0x80: carries the diagnostics settings; 0x85: type 39; 0x86: unused (no built-in radio)
memory 80 = 80 00 00 00 00 27 00 00
# diagnostics SIDs; port A and B SIDs; port A hardware flow control, port B enabled
memory 88 = 01 02 11 12 21 22 04 04
# end of message CR, character timers, maximum frames (port A, port B)
memory 90 = 0D 0D 0A 0A FF FF
# port formats 9600,N,8,1; PTT time-out 30 s; serial number 394011
memory 96 = 05 05 0B B8 39 40 11
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
# divider; 0x42..0x43: R 1024; 0x44..0x45: receive divider; 0x46..0x47: transmit
# divider. A transmit radio holds its transmit divider in both:
# 36840 = 0x8FE8 steps of 12.5 kHz, 460.5000 MHz.
radio.tx.memory 41 = 00 04 00 8F E8 8F E8
# trim setting +3 over the base (0x4C); power byte 63: 1011 mW on this radio's curve
radio.tx.memory 4C = 0B
radio.tx.memory 4E = 3F
# trim spans 24 and 215 (settings -32..32); serial number 451007; trim base 8;
# trim gain 50 Hz
radio.tx.memory 75 = 18 D7
radio.tx.memory 78 = 45 10 07 08 32
# radio type 39
radio.tx.memory 7F = 27

# The receive radio, version 1.4.
radio.rx.family = lumbrel
radio.rx.version = 14
radio.rx.load_status = 01
# R 1024; receive divider 33640 = 0x8368: 465.5000 - 45 MHz in steps of 12.5 kHz
radio.rx.memory 41 = 00 04 00 83 68
# trim setting -2 over the base; power byte as shipped
radio.rx.memory 4C = 06
radio.rx.memory 4E = 3F
# trim spans 24 and 215; serial number 451008; trim base 8; trim gain 50 Hz
radio.rx.memory 75 = 18 D7
radio.rx.memory 78 = 45 10 08 08 32
radio.rx.memory 7F = 27
