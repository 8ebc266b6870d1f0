# A half-duplex modem with one external 450 MHz radio (Lumbrel, type 35: 450-470 MHz,
# R 1024 on the 12.8 MHz crystal, 12.5 kHz channels, first IF 45 MHz) that sends and
# listens on 455.0000 MHz. "ST" and "SR" both reach it. Firmware 3.1.
firmware = 3.1
prompt_interval_ms = 200
rssi = 175

# 0x80: carries the diagnostics settings; 0x85: type 35; 0x86: unused (no built-in radio)
memory 80 = 80 00 00 00 00 23 00 00
# diagnostics SIDs; port A and B SIDs; port A hardware flow control, port B enabled
memory 88 = 01 02 11 12 21 22 04 04
# end of message CR, character timers, maximum frames (port A, port B)
memory 90 = 0D 0D 0A 0A FF FF
# port formats 9600,N,8,1; PTT time-out 30 s; serial number 355021
memory 96 = 05 05 0B B8 35 50 21
# no built-in synthesiser
memory E0 = 00 00 00 00 00 00 00
# power alarm 1000 mW, threshold -100 dBm, no calibrations, TX delay 10 ms,
# 4 slots of 10, no collision avoidance, radio side at 9600 baud,
# one external radio for both directions (0xFA bits 1 and 3),
# SID codes on (port B is enabled), high power, PTT on data, master
memory F0 = 30 00 50 00 00 0C 04 0A 00 10 0A C0 00

# The radio, version 1.4; a synthesiser load answers status 1 (bit 0: locked).
radio.tx.family = lumbrel
radio.tx.version = 14
radio.tx.load_status = 01
# 0x41: high bits (none set); R 1024; receive divider 32800 = 0x8020
# (455.0000 - 45 MHz); transmit divider 36400 = 0x8E30 (455.0000 MHz)
radio.tx.memory 41 = 00 04 00 80 20 8E 30
# trim setting +1 over the base; power byte 63: 1011 mW on this radio's curve
radio.tx.memory 4C = 09
radio.tx.memory 4E = 3F
# trim spans 24 and 215 (settings -32..32); serial number 452011; trim base 8;
# trim gain 50 Hz
radio.tx.memory 75 = 18 D7
radio.tx.memory 78 = 45 20 11 08 32
# radio type 35
radio.tx.memory 7F = 23
# no second radio
radio.rx.family = none
