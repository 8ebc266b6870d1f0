#pragma once

// A simulated modem, described as text so that tests and the modemsim executable
// can set up each model. The format, one setting a line:
//
//   # a comment (from "#" to the end of the line); blank lines are skipped
//   firmware = 3.1                 text after "SV:VA" in the firmware reply
//   product_version = 3.0;3.4      text after "PV:"; empty or absent: "PV" gets "ER"
//   prompt_interval_ms = 200       time between the "?" prompts after power-up (>= 1)
//   starts_off = false             true: silent until the first power cycle
//   rssi = 175                     "RA1" sample (0..255); rssi.K sets channel K (0..4)
//   fix_check_word = true          false: keep the check word at 0xFD as written below
//   memory 80 = 80 00 00 00        bytes from hex address 80 on (two hex digits a byte,
//                                  spaces between bytes optional; as many lines as needed)
//   silent = false                 fault: the modem sends nothing at all
//   bad_checksum = false           fault: every reply's checksum is off by XOR 0x01
//   bad_checksum_on = RN           fault: only replies to commands starting with RN
//   er_on = WN                     fault: commands starting with WN get "ER"
//   silence_after = 4              fault: after 4 more reply bytes, silence until a
//                                  power cycle (-1: off)
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

        bool operator==(const SimFaults&) const = default;
    };

    static constexpr int MemorySize = 256;
    static constexpr int RssiChannels = 5;
    using MemoryImage = std::array<uint8_t, MemorySize>;

    std::string Firmware = "3.1";
    std::string ProductVersion;
    int PromptIntervalMs = 200;
    bool StartsOff = false;
    std::array<int, RssiChannels> Rssi{175, 175, 175, 175, 175};
    MemoryImage Memory{};
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

    // Sets one key as a profile line would (key without "memory"); throws
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
