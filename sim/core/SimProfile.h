#pragma once

// A simulated modem, described as text so that tests and the modemsim executable
// can set up each model. The format, one setting a line:
//
//   # a comment (from "#" to the end of the line); blank lines are skipped
//   firmware = 3.1                 text after "SV:VA" in the firmware reply
//   product_version = 3.0;3.4      text after "PV:"; empty or absent: "PV" gets "ER"
//   prompt_interval_ms = 200       time between the "?" prompts after power-up (>= 1)
//   prompt_window_ms = 10000       how long after power-up the modem prompts; then,
//                                  still not in command mode, it goes to data mode
//                                  and ignores the access code until a power cycle
//   starts_off = false             true: silent until the first power cycle
//   rssi = 175                     "RA1" sample (0..255); rssi.K sets channel K (0..4)
//   fix_check_word = true          false: keep the check word at 0xFD as written below
//   memory 80 = 80 00 00 00        bytes from hex address 80 on (two hex digits a byte,
//                                  spaces between bytes optional; as many lines as needed)
//   radio.tx.family = moskar       the external transmit radio behind "ST": moskar,
//                                  lumbrel, rudvik or none (no radio: nothing answers)
//   radio.tx.version = 23          its version byte (two hex digits)
//   radio.tx.load_status = 01      the status byte it answers a synthesiser load with
//   radio.tx.memory 40 = 01 2C     its memory from hex address 40 on (00..7F), as above
//                                  (radio.rx.* the same for the receive radio behind "SR")
//   silent = false                 fault: the modem sends nothing at all
//   bad_checksum = false           fault: every reply's checksum is off by XOR 0x01
//   bad_checksum_on = RN           fault: only replies to commands starting with RN
//   er_on = WN                     fault: commands starting with WN get "ER"
//   silence_after = 4              fault: after 4 more reply bytes, silence until a
//                                  power cycle (-1: off)
//   radio_wrong_echo = 3           fault: a radio echoes the 3rd byte of every frame
//                                  (the ESC being the 1st) with its bits flipped (0: off)
//   radio_esc_without_cr = false   fault: a radio echoes the opening ESC with LF, not CR
//   radio_silence_after = 4        fault: after 4 more radio reply bytes (echoes not
//                                  counted) the radios only echo, until a power cycle
//                                  (-1: off)
//   stream = text                  fault: no modem on the line but a device that sends
//                                  without end at 9600 baud and takes nothing: text (one
//                                  endless line, never a CR) or nul (NUL bytes); none: off
//   endless_prompts = false        fault: the modem prompts for ever and takes nothing,
//                                  neither the access code nor any command
//   long_reply = 100000            fault: replies carry this many filler characters
//                                  before their checksum (0: off)
//   long_reply_on = WN             fault: only replies to commands starting with WN
//   radio_noise = false            fault: a radio echoes a frame, then sends noise in
//                                  place of its reply (never a CR) at 1200 baud until
//                                  the host sends again
//   check_stuck = 1234             fault: every "CR" gets "CR=1234" (four hex digits)
//                                  whatever the memory holds, so a check word written
//                                  to repair it never takes (none: off)
//
// Booleans are true or false. A "-" in a key counts as "_". A profile starts from
// Default() and each line changes it; after the last line the check word is made
// correct unless fix_check_word = false. An unknown key or a bad value is an
// error that names the line.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

struct SimProfile {
    // Faults can be switched while the modem runs.
    struct SimFaults {
        bool Silent = false;
        bool BadChecksum = false;
        std::string BadChecksumOn;
        std::string ErOn;
        // Reply bytes still to be sent before the modem falls silent; counts down
        // as replies go out, -1 when off. Prompts and the "OK" are not counted, so
        // the cut falls at the same place however the host times its connection.
        int SilenceAfter = -1;
        // The radio faults, shared by both radios; RadioSilenceAfter counts down
        // like SilenceAfter, over radio reply bytes.
        int RadioWrongEcho = 0;
        bool RadioEscWithoutCr = false;
        int RadioSilenceAfter = -1;
        // The peers that never end what they send.
        std::string Stream;  // "text" or "nul"; empty: off
        bool EndlessPrompts = false;
        int LongReply = 0;
        std::string LongReplyOn;
        bool RadioNoise = false;
        // The residue every "CR" reports, 0..0xFFFF; -1 when off.
        int CheckStuck = -1;

        bool operator==(const SimFaults&) const = default;
    };

    static constexpr int RadioMemorySize = 128;

    // An external radio. Its family says only whether it is there; what makes it
    // a Moskar, Lumbrel or Rudvik to the drivers is its memory (type code, registers).
    struct SimRadio {
        std::string Family = "none";
        uint8_t Version = 0;
        uint8_t LoadStatus = 0;
        std::array<uint8_t, RadioMemorySize> Memory{};

        bool Present() const { return Family != "none"; }
        bool operator==(const SimRadio&) const = default;
    };

    static constexpr int MemorySize = 256;
    static constexpr int RssiChannels = 5;
    using MemoryImage = std::array<uint8_t, MemorySize>;

    std::string Firmware = "3.1";
    std::string ProductVersion;
    int PromptIntervalMs = 200;
    int PromptWindowMs = 10000;
    bool StartsOff = false;
    std::array<int, RssiChannels> Rssi{175, 175, 175, 175, 175};
    MemoryImage Memory{};
    SimRadio TxRadio;
    SimRadio RxRadio;
    SimFaults Faults;

    bool operator==(const SimProfile&) const = default;

    // A modem with built-in radio, type 6, firmware 3.1, synthesiser at 808.0125 MHz.
    static SimProfile Default();

    // Throws std::runtime_error naming the line ("line 3: unknown key \"foo\"").
    static SimProfile Parse(const std::string& text);
    // Parse of a file; the message names the file as well.
    static SimProfile Load(const std::string& path);

    // The modem as profile text (no faults, no starts_off, the check word kept
    // as it is), which Parse reads back into the same modem.
    std::string ToText() const;

    // Sets one key as a profile line would (not a memory line); throws
    // std::runtime_error for an unknown key or a bad value.
    void Set(const std::string& key, const std::string& value);
    // The same, limited to the fault switches.
    void SetFault(const std::string& key, const std::string& value);

    // CRC-16/X.25 (the PPP frame check sequence).
    static uint16_t Crc16X25(const uint8_t* data, size_t size);
    // The CRC over 0x80..0xFC: the word that belongs at 0xFD..0xFE, big-endian.
    static uint16_t CheckWordOf(const MemoryImage& memory);
    void FixCheckWord();
};
