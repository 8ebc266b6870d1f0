#pragma once

#include "SimFlow.h"
#include "SimProfile.h"
#include "SimRadioUnit.h"

#include <cstdint>
#include <string>
#include <vector>

// The modem's processor as seen from its port A: prompts after power-up, the
// access code, framed commands with checksums, and its configuration memory; and
// behind its radio link the external radios that "ST" and "SR" select.
// Time is given by the caller (milliseconds, monotonic), so the same core runs on
// a real pseudo-terminal and on a fake clock in unit tests.
class SimModem {
public:
    static constexpr int ModemBaud = 9600;
    static constexpr int RadioBaud = 1200;
    enum class Radio { None, Tx, Rx };

    explicit SimModem(SimProfile profile = SimProfile::Default());

    // One byte from the host, sent at the given line rate at time nowMs: at 9600
    // it is for the modem, at 1200 for the selected radio (the transmit radio
    // until an "SR" on a full-duplex build), at any other rate it is lost.
    void Receive(uint8_t byte, int baud, int64_t nowMs);

    // Lets time pass up to nowMs: produces the output that falls due by then
    // (the "?" prompts of a modem waiting for its access code). The prompt window
    // runs from the power-up, or for a new modem from the first time it is given,
    // so that a modem made before its clock starts still finds its host.
    void Advance(int64_t nowMs);

    // The earliest time after the last Advance or Receive at which output falls
    // due without further input; -1 when none will.
    int64_t NextEventMs() const;

    // Output waiting to be sent to the host, taken whole.
    bool HasOutput() const;
    std::string TakeOutput();

    // Power off and on again at time nowMs: command mode is left, memory kept;
    // the radios are power-cycled with the modem.
    void PowerCycle(int64_t nowMs);

    uint8_t Memory(int address) const;
    void SetMemory(int address, const std::vector<uint8_t>& bytes);

    // The check word at 0xFD that makes the configuration consistent.
    uint16_t CorrectCheckWord() const;

    // Command texts received in command mode, without ESC, checksum and CR.
    const std::vector<std::string>& CommandLog() const;
    // The modem's commands and the radios' frames in the order they arrived: a
    // command as in CommandLog, a frame as "radio.tx" or "radio.rx" followed by
    // its bytes as in RadioCommandLog, each in two upper-case hex digits.
    const std::vector<std::string>& Transcript() const { return transcript_; }

    // The profile the modem plays; its Memory is the live memory and its Faults
    // may be switched at any time.
    SimProfile& Profile();
    const SimProfile& Profile() const;

    bool InCommandMode() const { return state_ == State::CommandMode; }
    // The radio that the last "ST" or "SR" routed the radio link to.
    Radio SelectedRadio() const { return radio_; }
    // The data of the last "SF" since power-up: the synthesiser's live setting.
    const std::string& SynthSetting() const { return synth_; }

    // The external radios, by side (Radio::Tx or Radio::Rx; Radio::None throws
    // std::invalid_argument). Memory addresses outside 0x00..0x7F throw
    // std::out_of_range.
    uint8_t RadioMemory(Radio side, int address) const;
    void SetRadioMemory(Radio side, int address, const std::vector<uint8_t>& bytes);
    // The bytes after the code of the radio's last synthesiser load since power-up.
    const std::vector<uint8_t>& LastSynthLoad(Radio side) const;
    // The selector and value of its last set-output since power-up.
    const std::vector<uint8_t>& LastSetOutput(Radio side) const;
    int FinishCount(Radio side) const;
    // Its frames, unstuffed and without checksum (SimRadioUnit::CommandLog).
    const std::vector<std::vector<uint8_t>>& RadioCommandLog(Radio side) const;
    // The modem as it is now, as a profile to load again (no faults).
    SimProfile Snapshot() const;

private:
    enum class State { Off, Prompting, CommandMode, DataMode };

    void ReceiveModem(uint8_t byte);
    void ReceiveRadio(uint8_t byte, int64_t nowMs);
    // Starts or stops the flows of the streaming faults as they are switched.
    void FollowFaults(int64_t nowMs);
    const SimRadioUnit& Unit(Radio side) const;
    SimProfile::SimRadio& RadioProfile(Radio side);
    const SimProfile::SimRadio& RadioProfile(Radio side) const;
    void HandleFrame(const std::string& frame);
    std::string Execute(const std::string& command);
    std::string ReadMemory(const std::string& arguments) const;
    std::string WriteMemory(const std::string& arguments);
    std::string CheckConfiguration() const;
    std::string SampleSignal(const std::string& arguments) const;
    void SendReply(const std::string& command, const std::string& body);
    // Puts bytes on the line unless a fault holds them back; counted bytes use
    // up the silence_after allowance.
    void Send(const std::string& bytes, bool counted);

    SimProfile profile_;
    State state_ = State::Prompting;
    int64_t nextPromptMs_ = -1;
    int64_t windowEndMs_ = -1;  // -1: not known until the modem is first given a time
    std::string accessWindow_;
    bool inFrame_ = false;
    std::string frame_;
    std::string output_;
    std::vector<std::string> log_;
    std::vector<std::string> transcript_;
    Radio radio_ = Radio::None;
    std::string synth_;
    bool muted_ = false;
    SimRadioUnit txUnit_;
    SimRadioUnit rxUnit_;
    SimFlow stream_;          // the stream fault
    SimFlow endlessPrompts_;  // the endless_prompts fault
    SimFlow radioNoise_;      // the radio_noise fault, after a frame
};
