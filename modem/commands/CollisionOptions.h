#pragma once

#include <cstdint>
#include <optional>

// How the supervision mode (CAvoid with TryBeforeTX) sits in the two nibbles of
// 0xF8 and in bits 0-4 of 0xFB.
class CollisionOptions {
public:
    struct Encoding {
        int High;     // high nibble of 0xF8
        int Low;      // low nibble of 0xF8
        int FbBits;   // bits 0-4 of 0xFB
    };

    // The encoding of a mode; none for a mode the modem does not know, which
    // leaves both locations as they are.
    static std::optional<Encoding> Encode(int16_t CAvoid, bool TryBeforeTX);

    // Sets the mode from 0xFB and the nibbles of 0xF8. TryBeforeTX is expected
    // cleared by the caller; CAvoid is left alone for an encoding of no mode.
    static void Decode(int options, int high, int low, int16_t& CAvoid, bool& TryBeforeTX);

    static constexpr int FbMask = 0x1F;
};
