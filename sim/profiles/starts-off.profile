# A built-in modem (as builtin-high) that says nothing until it is power-cycled:
# the programmer must show its wait window and go on once the modem prompts.
firmware = 3.1
prompt_interval_ms = 200
rssi = 175
memory 80 = 80 00 00 00 00 06 FE 00
memory 88 = 01 02 11 12 21 22 04 04
memory 90 = 0D 0D 0A 0A FF FF
memory 96 = 05 05 0B B8 21 06 01
memory E0 = 00 00 03 C0 A0 1F 90
memory F0 = 30 00 50 00 00 0C 04 0A 00 10 00 C0 00
starts_off = true
