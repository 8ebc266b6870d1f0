#pragma once

// The modem's configuration memory as the library uses it. Multi-byte values are
// big-endian; p is 0 for port A and 1 for port B.
namespace ModemMap {

struct Location {
    int Address;
    int Bytes;
};

constexpr Location DiagsEditable{0x80, 1};  // bit 7: the diagnostics settings are carried
constexpr Location ModemType{0x85, 1};
constexpr Location TxFreqTrim{0x86, 1};     // built-in radio, signed 8-bit
constexpr Location DiagSid1{0x88, 1};
constexpr Location DiagSid2{0x89, 1};
constexpr Location PortSid1{0x8A, 1};       // + 2p
constexpr Location PortSid2{0x8B, 1};       // + 2p
constexpr Location PortFlags{0x8E, 1};      // + p
constexpr Location PortBFlags{0x8F, 1};     // bit 2: port B enabled
constexpr Location PortEomChar{0x90, 1};    // + p
constexpr Location PortCharTimer{0x92, 1};  // + p
constexpr Location PortMaxFrame{0x94, 1};   // + p
constexpr Location PortFormat{0x96, 1};     // + p
constexpr Location PttTimeout{0x98, 2};     // hundredths of a second
constexpr Location SerialNo{0x9A, 3};
constexpr Location SynthSf{0xE0, 4};        // copied unchanged into "SF"
constexpr Location SynthR{0xE2, 2};         // reference divider: step = 12 MHz / R
constexpr Location SynthA{0xE4, 1};         // 2 x A
constexpr Location SynthN{0xE5, 2};         // 16 x N
constexpr Location PowerAlarm{0xF0, 1};
constexpr Location AlarmCal{0xF1, 1};       // 0 or 255: none
constexpr Location RssiThreshold{0xF2, 1};
constexpr Location SignalCal{0xF3, 1};      // 0 or 255: none
constexpr Location TxDelay{0xF5, 1};        // character times
constexpr Location NoOfSlot{0xF6, 1};
constexpr Location TimePerSlot{0xF7, 1};
constexpr Location CollisionNibbles{0xF8, 1};
constexpr Location RadioBaud{0xF9, 1};      // bit 4: radio side at 9600
constexpr Location BuildOptions{0xFA, 1};   // bit 0 diagnostics/calibrated, 1 ExtRF, 3 HDX
constexpr Location Options{0xFB, 1};        // bit 7 SID codes, 6 power high, 5 PTT from RTS, 0-4 collision
constexpr Location DiagRepeat{0xFC, 1};     // bit 0
constexpr Location CheckWord{0xFD, 2};

namespace Bits {
constexpr int DiagsEditable = 0x80;
constexpr int PortBEnabled = 0x04;
constexpr int Calibrated = 0x01;
constexpr int ExtRF = 0x02;
constexpr int HDX = 0x08;
constexpr int BaudRate9600 = 0x10;
constexpr int SIDCode = 0x80;
constexpr int PowerHL = 0x40;
constexpr int PttFromRts = 0x20;
constexpr int PttField = 0x30;
constexpr int DiagRepeat = 0x01;
}  // namespace Bits

// The port flag byte.
namespace PortFlag {
constexpr int Slip = 0x01;
constexpr int EomEnable = 0x02;
constexpr int Hardware = 0x04;  // port A, firmware above 2.3
constexpr int SidTypeShift = 3;
constexpr int SidTypeMask = 0x18;
constexpr int Live = 0x40;
constexpr int XonXoff = 0x80;
}  // namespace PortFlag

// The port format byte.
namespace PortFormatBit {
constexpr int SpeedMask = 0x07;
constexpr int TwoStopBits = 0x08;
constexpr int Odd = 0x10;
constexpr int ParityOn = 0x20;
constexpr int SevenDataBits = 0x40;
}  // namespace PortFormatBit

// Speed field code -> CommSpeed code, and back.
constexpr int CommSpeedOfCode[8] = {7, 8, 1, 2, 3, 4, 5, 6};
constexpr int CodeOfCommSpeed(int commSpeed)
{
    if (commSpeed >= 1 && commSpeed <= 5) return commSpeed + 1;
    if (commSpeed == 6) return 7;
    if (commSpeed == 8) return 1;
    return 0;  // 7 (300 baud) and anything unknown
}

}  // namespace ModemMap
