#pragma once

#include <cstdint>

// An external radio's commands and non-volatile memory. Multi-byte values are
// stored high byte first.
namespace RadioMap {

namespace Command {
constexpr uint8_t Version = 0x00;
constexpr uint8_t ReadMemory = 0x01;
constexpr uint8_t WriteMemory = 0x02;
constexpr uint8_t SynthLoad = 0x03;
constexpr uint8_t SetOutput = 0x09;
constexpr uint8_t Finish = 0x0A;
}  // namespace Command

constexpr uint8_t RudvikReference = 0x40;  // 2 bytes, read only
constexpr uint8_t HighBits = 0x41;         // Lumbrel: bit 0 TX, bit 1 RX bit 16; Moskar: RX bits 16-17
constexpr uint8_t Divider42 = 0x42;        // Lumbrel R; Moskar RX divider; Rudvik RX B counter
constexpr uint8_t Divider44 = 0x44;        // Lumbrel RX divider; Rudvik RX A counter
constexpr uint8_t Divider45 = 0x45;        // Moskar TX bits 16-17; Rudvik TX B counter
constexpr uint8_t Divider46 = 0x46;        // Lumbrel, Moskar TX divider
constexpr uint8_t Divider47 = 0x47;        // Rudvik TX A counter
constexpr uint8_t FreqTrim = 0x4C;         // signed, trim setting + trim base
constexpr uint8_t Power = 0x4E;            // power byte; Rudvik bit 7 = low power
constexpr uint8_t LowerTrimSpan = 0x75;
constexpr uint8_t UpperTrimSpan = 0x76;
constexpr uint8_t SerialNo = 0x78;         // 3 bytes
constexpr uint8_t TrimBase = 0x7B;         // signed
constexpr uint8_t TrimGain = 0x7C;
constexpr uint8_t RadioType = 0x7F;

constexpr int RudvikLowPower = 0x80;
constexpr int SetOutputPower = 3;  // the selector of the set-output command for the power byte

}  // namespace RadioMap
