#pragma once

#include "SimProfile.h"

#include <cstdint>
#include <string>
#include <vector>

// The processor of one external radio as seen over the modem's radio link: it
// echoes every byte at once, takes byte-stuffed frames with an XOR checksum,
// answers its commands and keeps its memory. The memory, version and load status
// live in the profile's SimRadio, which the caller passes with every byte, so that
// the modem's profile stays the one live description of the unit.
class SimRadioUnit {
public:
    using Bytes = std::vector<uint8_t>;

    // One byte from the host; returns what the radio sends back at once (the echo,
    // then the reply when the byte closed a frame). A radio that is not there
    // returns nothing.
    std::string Receive(uint8_t byte, SimProfile::SimRadio& radio, SimProfile::SimFaults& faults);

    // Power off and on: a frame half received is lost, and so is the live tuning
    // (the last load and set-output); the log and the finish count stay.
    void PowerCycle();

    // The bytes after the code of the last synthesiser load (0x03) since power-up.
    const Bytes& LastSynthLoad() const { return lastLoad_; }
    // The selector and value of the last set-output (0x09) since power-up.
    const Bytes& LastSetOutput() const { return lastSetOutput_; }
    // Finishing commands (0x0A) answered.
    int FinishCount() const { return finishCount_; }
    // Every frame of at least a code and a checksum, unstuffed and without its
    // checksum, whether the checksum was right or not.
    const std::vector<Bytes>& CommandLog() const { return log_; }

private:
    std::string Echo(uint8_t byte, const SimProfile::SimFaults& faults) const;
    std::string HandleFrame(SimProfile::SimRadio& radio, SimProfile::SimFaults& faults);
    // The reply without its checksum; empty when the command gets none.
    Bytes Execute(const Bytes& command, SimProfile::SimRadio& radio);

    bool inFrame_ = false;
    int position_ = 0;  // of the byte last received in the frame, the ESC being 1
    Bytes frame_;       // as received, still stuffed
    Bytes lastLoad_;
    Bytes lastSetOutput_;
    int finishCount_ = 0;
    std::vector<Bytes> log_;
};
