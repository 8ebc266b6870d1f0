# A modem with old firmware that does not store its type: byte 0x85 is 0 and the
# programmer derives type 6 from the synthesiser at 808.0125 MHz.
firmware = 2.3.1
memory 85 = 00
# R 960 (12.5 kHz steps), 2*A = 2, 16*N = 8080
memory E2 = 03 C0 02 1F 90
# SID codes on, as port B is enabled; high power
memory FB = C0
