# The default modem of sim/profiles (built-in high-band radio, type 6, firmware
# 3.1) with its diagnostics processor's settings factory configured and
# write-protected: bit 7 of 0x80 clear. Its stream codes are off, so port B is off.
firmware = 3.1
prompt_interval_ms = 200
rssi = 175

# 0x80: does not carry the diagnostics settings; 0x85: type 6; 0x86: no trim
memory 80 = 00 00 00 00 00 06 00 00
# 0x88..0x89 diagnostics SIDs; 0x8A..0x8D port A and B SIDs;
# 0x8E port A flags (hardware flow control), 0x8F port B flags (disabled)
memory 88 = 01 02 11 12 21 22 04 00
# end of message CR, character timers, maximum frames (port A, port B)
memory 90 = 0D 0D 0A 0A FF FF
# port formats 9600,N,8,1; PTT time-out 30 s; serial number 123457
memory 96 = 05 05 0B B8 12 34 57
# synthesiser: 0xE0..0xE1 control, R 960 (12.5 kHz steps), 2*A = 2, 16*N = 8080:
# 808.0125 MHz
memory E0 = 00 00 03 C0 02 1F 90
# power alarm 1000 mW, threshold -100 dBm, no calibrations, TX delay 10 ms,
# 4 slots of 10, no collision avoidance, radio side at 9600 baud,
# built-in full-duplex radio with the diagnostics processor,
# SID codes off, high power, PTT on data, master
memory F0 = 30 00 50 00 00 0C 04 0A 00 10 01 40 00
# The check word at 0xFD is computed when the profile is loaded.
