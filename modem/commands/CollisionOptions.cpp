#include "CollisionOptions.h"

namespace {

struct WriteRow {
    int Mode;  // CAvoid without its remote bit
    CollisionOptions::Encoding Master;
    CollisionOptions::Encoding Remote;
};

// A retrying remote in plain collision avoidance clears bit 0 of its pattern.
constexpr WriteRow writeTable[] = {
    {0, {0, 0, 0b00000}, {0, 0, 0b00000}},
    {2, {0, 0, 0b10000}, {0, 0, 0b00001}},
    {4, {1, 1, 0b10000}, {1, 1, 0b00001}},
    {6, {1, 0, 0b00100}, {0, 1, 0b01111}},
    {8, {1, 1, 0b00000}, {1, 1, 0b00000}},
};
constexpr int retryClears = 0b00001;

struct ReadRow {
    bool NibblesSet;  // either nibble of 0xF8 not 0
    int Bits;         // 0xFB And &H17
    int16_t CAvoid;
    bool TryBeforeTX;
};

// End to end keeps no master or remote bit in the modem, so it reads back as the
// master's code; the remote end to end with RSSI avoidance reads back as written.
constexpr ReadRow readTable[] = {
    {false, 0x00, 0, false}, {false, 0x01, 3, false}, {false, 0x10, 2, false},
    {true, 0x00, 8, false},  {true, 0x01, 5, false},  {true, 0x04, 6, false},
    {true, 0x06, 7, true},   {true, 0x07, 7, false},  {true, 0x10, 4, false},
};
constexpr int readMask = 0x17;  // bit 3 plays no part

}  // namespace

std::optional<CollisionOptions::Encoding> CollisionOptions::Encode(int16_t CAvoid, bool TryBeforeTX)
{
    const int mode = CAvoid & 0xFFFE;
    const bool remote = (CAvoid & 1) != 0;
    for (const WriteRow& row : writeTable) {
        if (row.Mode != mode) continue;
        Encoding e = remote ? row.Remote : row.Master;
        if (mode == 6 && remote && TryBeforeTX) e.FbBits &= ~retryClears;
        return e;
    }
    return std::nullopt;
}

void CollisionOptions::Decode(int options, int high, int low, int16_t& CAvoid, bool& TryBeforeTX)
{
    const bool nibblesSet = high != 0 || low != 0;
    const int bits = options & readMask;
    for (const ReadRow& row : readTable) {
        if (row.NibblesSet == nibblesSet && row.Bits == bits) {
            CAvoid = row.CAvoid;
            TryBeforeTX = row.TryBeforeTX;
            return;
        }
    }
    if (nibblesSet) {
        CAvoid = 0;
        TryBeforeTX = true;
    }
}
