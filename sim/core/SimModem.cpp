#include "SimModem.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace {

constexpr char Esc = 27;
constexpr char Cr = 13;
const std::string AccessCode = "t]u[a";
constexpr size_t MaxFrame = 1024;  // a full-memory write fits; noise does not pile up
constexpr int CheckWordAddress = 0xFD;
constexpr uint16_t ConsistentResidue = 0xF0B8;
constexpr int BuildAddress = 0xFA;
constexpr uint8_t HdxBit = 0x08;  // one radio serves both directions
// The time of one character (ten bits) on each line, in whole milliseconds.
constexpr int ModemByteMs = 1;
constexpr int RadioByteMs = 8;
// What a GPS receiver would send, were its line ends lost.
const std::string StreamText = "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47 ";
// Noise that holds the radio link's special bytes, but never its CR.
const std::string RadioNoiseBytes = {'\x55', '\xAA', '\x00', '\xFF', '\x1B', '\x10', '\x7E'};

std::string hex(unsigned value, int digits)
{
    static const char symbols[] = "0123456789ABCDEF";
    std::string text(size_t(digits), '0');
    for (int i = digits - 1; i >= 0; --i, value >>= 4) text[size_t(i)] = symbols[value & 15];
    return text;
}

std::string hexByte(unsigned value) { return hex(value & 0xFF, 2); }

// The modem reads only upper-case hex, as the host always sends it.
int hexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The bytes of a text of hex digit pairs; false when it is not one.
bool parseHex(const std::string& text, std::vector<uint8_t>& bytes)
{
    if (text.size() % 2 != 0) return false;
    for (size_t i = 0; i < text.size(); i += 2) {
        const int high = hexDigit(text[i]), low = hexDigit(text[i + 1]);
        if (high < 0 || low < 0) return false;
        bytes.push_back(uint8_t(high * 16 + low));
    }
    return true;
}

uint8_t xorOf(const std::string& text)
{
    uint8_t sum = 0;
    for (char c : text) sum ^= uint8_t(c);
    return sum;
}

bool startsWith(const std::string& text, const std::string& prefix)
{
    return !prefix.empty() && text.compare(0, prefix.size(), prefix) == 0;
}

void checkRange(int address, size_t count, size_t size = SimProfile::MemorySize, const char* what = "modem")
{
    if (address < 0 || address + count > size)
        throw std::out_of_range(std::string(what) + " memory address " + std::to_string(address));
}

void checkSide(SimModem::Radio side)
{
    if (side == SimModem::Radio::None) throw std::invalid_argument("no radio side");
}

}  // namespace

SimModem::SimModem(SimProfile profile) : profile_(std::move(profile))
{
    if (profile_.StartsOff)
        state_ = State::Off;
    else
        nextPromptMs_ = profile_.PromptIntervalMs;
}

void SimModem::Receive(uint8_t byte, int baud, int64_t nowMs)
{
    Advance(nowMs);
    // Whatever the host sends ends the noise of the radio's last frame.
    radioNoise_.Stop();
    if (state_ == State::Off || stream_.Running() || endlessPrompts_.Running()) return;
    if (baud == ModemBaud)
        ReceiveModem(byte);
    else if (baud == RadioBaud)
        ReceiveRadio(byte, nowMs);
}

void SimModem::FollowFaults(int64_t nowMs)
{
    const SimProfile::SimFaults& faults = profile_.Faults;
    if (faults.Stream.empty())
        stream_.Stop();
    else if (!stream_.Running())
        stream_.Start(nowMs, ModemByteMs, faults.Stream == "nul" ? std::string(1, '\0') : StreamText);
    if (!faults.EndlessPrompts)
        endlessPrompts_.Stop();
    else if (!endlessPrompts_.Running())
        endlessPrompts_.Start(nowMs, profile_.PromptIntervalMs, "?");
    if (!faults.RadioNoise) radioNoise_.Stop();
}

void SimModem::Advance(int64_t nowMs)
{
    FollowFaults(nowMs);
    if (state_ == State::Off) return;
    Send(radioNoise_.Take(nowMs), false);
    // A peer that streams has nothing else to say.
    if (stream_.Running() || endlessPrompts_.Running()) {
        Send(stream_.Take(nowMs) + endlessPrompts_.Take(nowMs), false);
        return;
    }
    if (state_ != State::Prompting) return;
    if (windowEndMs_ < 0) windowEndMs_ = nowMs + profile_.PromptWindowMs;
    const int64_t lastPromptMs = std::min(nowMs, windowEndMs_ - 1);
    if (lastPromptMs >= nextPromptMs_) {
        const int64_t interval = profile_.PromptIntervalMs;
        const int64_t due = (lastPromptMs - nextPromptMs_) / interval + 1;
        Send(std::string(size_t(due), '?'), false);
        nextPromptMs_ += due * interval;
    }
    // Nobody took it into command mode: it goes about its data.
    if (nowMs >= windowEndMs_) state_ = State::DataMode;
}

int64_t SimModem::NextEventMs() const
{
    if (state_ == State::Off) return -1;
    int64_t next = -1;
    for (const SimFlow* flow : {&stream_, &endlessPrompts_, &radioNoise_})
        if (flow->Running() && (next < 0 || flow->NextMs() < next)) next = flow->NextMs();
    if (stream_.Running() || endlessPrompts_.Running()) return next;
    if (state_ != State::Prompting || (windowEndMs_ >= 0 && nextPromptMs_ >= windowEndMs_)) return next;
    return next < 0 ? nextPromptMs_ : std::min(next, nextPromptMs_);
}

bool SimModem::HasOutput() const { return !output_.empty(); }

std::string SimModem::TakeOutput() { return std::exchange(output_, std::string()); }

void SimModem::PowerCycle(int64_t nowMs)
{
    state_ = State::Prompting;
    nextPromptMs_ = nowMs + profile_.PromptIntervalMs;
    windowEndMs_ = nowMs + profile_.PromptWindowMs;
    accessWindow_.clear();
    inFrame_ = false;
    frame_.clear();
    radio_ = Radio::None;
    synth_.clear();
    radioNoise_.Stop();
    // A modem that fell silent talks again; its silence_after fault is spent.
    if (muted_ || profile_.Faults.SilenceAfter == 0) profile_.Faults.SilenceAfter = -1;
    muted_ = false;
    if (profile_.Faults.RadioSilenceAfter == 0) profile_.Faults.RadioSilenceAfter = -1;
    txUnit_.PowerCycle();
    rxUnit_.PowerCycle();
}

uint8_t SimModem::Memory(int address) const
{
    checkRange(address, 1);
    return profile_.Memory[size_t(address)];
}

void SimModem::SetMemory(int address, const std::vector<uint8_t>& bytes)
{
    checkRange(address, bytes.size());
    std::copy(bytes.begin(), bytes.end(), profile_.Memory.begin() + address);
}

uint16_t SimModem::CorrectCheckWord() const { return SimProfile::CheckWordOf(profile_.Memory); }

const std::vector<std::string>& SimModem::CommandLog() const { return log_; }

uint8_t SimModem::RadioMemory(Radio side, int address) const
{
    checkRange(address, 1, SimProfile::RadioMemorySize, "radio");
    return RadioProfile(side).Memory[size_t(address)];
}

void SimModem::SetRadioMemory(Radio side, int address, const std::vector<uint8_t>& bytes)
{
    SimProfile::SimRadio& radio = RadioProfile(side);
    checkRange(address, bytes.size(), SimProfile::RadioMemorySize, "radio");
    std::copy(bytes.begin(), bytes.end(), radio.Memory.begin() + address);
}

const std::vector<uint8_t>& SimModem::LastSynthLoad(Radio side) const { return Unit(side).LastSynthLoad(); }

const std::vector<uint8_t>& SimModem::LastSetOutput(Radio side) const { return Unit(side).LastSetOutput(); }

int SimModem::FinishCount(Radio side) const { return Unit(side).FinishCount(); }

const std::vector<std::vector<uint8_t>>& SimModem::RadioCommandLog(Radio side) const
{
    return Unit(side).CommandLog();
}

const SimRadioUnit& SimModem::Unit(Radio side) const
{
    checkSide(side);
    return side == Radio::Tx ? txUnit_ : rxUnit_;
}

SimProfile::SimRadio& SimModem::RadioProfile(Radio side)
{
    checkSide(side);
    return side == Radio::Tx ? profile_.TxRadio : profile_.RxRadio;
}

const SimProfile::SimRadio& SimModem::RadioProfile(Radio side) const
{
    checkSide(side);
    return side == Radio::Tx ? profile_.TxRadio : profile_.RxRadio;
}

SimProfile& SimModem::Profile() { return profile_; }

const SimProfile& SimModem::Profile() const { return profile_; }

SimProfile SimModem::Snapshot() const
{
    SimProfile snapshot = profile_;
    snapshot.StartsOff = false;
    snapshot.Faults = {};
    return snapshot;
}

void SimModem::ReceiveModem(uint8_t byte)
{
    const char c = char(byte);
    if (state_ == State::DataMode) return;
    if (state_ == State::Prompting) {
        if (c != Cr) {
            accessWindow_ += c;
            if (accessWindow_.size() > AccessCode.size()) accessWindow_.erase(0, 1);
        } else if (accessWindow_ == AccessCode) {
            state_ = State::CommandMode;
            Send("OK\r", false);
        } else {
            accessWindow_.clear();
        }
        return;
    }
    if (c == Esc) {
        inFrame_ = true;
        frame_.clear();
    } else if (!inFrame_) {
        return;
    } else if (c == Cr) {
        inFrame_ = false;
        HandleFrame(std::exchange(frame_, std::string()));
    } else if (frame_.size() < MaxFrame) {
        frame_ += c;
    } else {
        inFrame_ = false;
        frame_.clear();
    }
}

void SimModem::ReceiveRadio(uint8_t byte, int64_t nowMs)
{
    const Radio side = radio_ == Radio::Rx ? Radio::Rx : Radio::Tx;
    SimRadioUnit& unit = side == Radio::Tx ? txUnit_ : rxUnit_;
    const size_t frames = unit.CommandLog().size();
    std::string out = unit.Receive(byte, RadioProfile(side), profile_.Faults);
    if (unit.CommandLog().size() > frames) {
        std::string line = side == Radio::Tx ? "radio.tx" : "radio.rx";
        for (uint8_t b : unit.CommandLog().back()) line += ' ' + hexByte(b);
        transcript_.push_back(std::move(line));
    }
    // The radio has taken the frame; noise comes after the echo of its CR.
    if (profile_.Faults.RadioNoise && byte == uint8_t(Cr) && !out.empty()) {
        out.resize(1);
        radioNoise_.Start(nowMs, RadioByteMs, RadioNoiseBytes);
    }
    output_ += out;
}

void SimModem::HandleFrame(const std::string& frame)
{
    if (frame.size() < 2) {
        SendReply(frame, "ER");
        return;
    }
    const std::string command = frame.substr(0, frame.size() - 2);
    log_.push_back(command);
    transcript_.push_back(command);
    if (frame.compare(command.size(), 2, hexByte(xorOf(command))) != 0 || startsWith(command, profile_.Faults.ErOn))
        SendReply(command, "ER");
    else
        SendReply(command, Execute(command));
}

std::string SimModem::Execute(const std::string& command)
{
    const std::string name = command.substr(0, 2);
    const std::string arguments = command.size() > 2 ? command.substr(2) : std::string();
    if (command == "SV") return "SV:VA" + profile_.Firmware;
    if (command == "PV") return profile_.ProductVersion.empty() ? "ER" : "PV:" + profile_.ProductVersion;
    if (name == "RN") return ReadMemory(arguments);
    if (name == "WN") return WriteMemory(arguments);
    if (command == "CR") return CheckConfiguration();
    if (command == "ST" || command == "SR") {
        const bool halfDuplex = profile_.Memory[BuildAddress] & HdxBit;
        radio_ = command == "SR" && !halfDuplex ? Radio::Rx : Radio::Tx;
        return command;
    }
    if (name == "RA") return SampleSignal(arguments);
    if (name == "SF") {
        synth_ = arguments;
        return "SF";
    }
    return "ER";
}

// "1" AA CC: CC bytes from address AA.
std::string SimModem::ReadMemory(const std::string& arguments) const
{
    std::vector<uint8_t> fields;
    if (arguments.size() != 5 || arguments[0] != '1' || !parseHex(arguments.substr(1), fields)) return "ER";
    const int address = fields[0], count = fields[1];
    if (count == 0 || address + count > SimProfile::MemorySize) return "ER";
    std::string reply = "RN:" + hexByte(unsigned(address));
    for (int i = address; i < address + count; ++i) reply += "," + hexByte(profile_.Memory[size_t(i)]);
    return reply;
}

// "1" AA DD...: the bytes DD... from address AA on.
std::string SimModem::WriteMemory(const std::string& arguments)
{
    std::vector<uint8_t> bytes;
    if (arguments.size() < 5 || arguments[0] != '1' || !parseHex(arguments.substr(1), bytes)) return "ER";
    const int address = bytes.front();
    bytes.erase(bytes.begin());
    if (address + bytes.size() > SimProfile::MemorySize) return "ER";
    SetMemory(address, bytes);
    return "WN";
}

std::string SimModem::CheckConfiguration() const
{
    if (profile_.Faults.CheckStuck >= 0) return "CR=" + hex(unsigned(profile_.Faults.CheckStuck), 4);
    const uint16_t stored = uint16_t(profile_.Memory[CheckWordAddress] << 8 | profile_.Memory[CheckWordAddress + 1]);
    const uint16_t correct = CorrectCheckWord();
    return "CR=" + hex(stored == correct ? ConsistentResidue : correct, 4);
}

std::string SimModem::SampleSignal(const std::string& arguments) const
{
    if (arguments.size() != 1 || arguments[0] < '0' || arguments[0] >= '0' + SimProfile::RssiChannels) return "ER";
    return "RA:" + hexByte(unsigned(profile_.Rssi[size_t(arguments[0] - '0')]));
}

void SimModem::SendReply(const std::string& command, const std::string& text)
{
    const SimProfile::SimFaults& faults = profile_.Faults;
    std::string body = text;
    if (faults.LongReply > 0 && (faults.LongReplyOn.empty() || startsWith(command, faults.LongReplyOn)))
        body.append(size_t(faults.LongReply), '0');
    uint8_t sum = xorOf(body);
    if (faults.BadChecksum || startsWith(command, faults.BadChecksumOn)) sum ^= 0x01;
    Send(body + hexByte(sum) + Cr, true);
}

void SimModem::Send(const std::string& bytes, bool counted)
{
    SimProfile::SimFaults& faults = profile_.Faults;
    for (char c : bytes) {
        if (faults.Silent || muted_) return;
        if (counted && faults.SilenceAfter >= 0) {
            if (faults.SilenceAfter == 0) {
                muted_ = true;
                return;
            }
            --faults.SilenceAfter;
        }
        output_ += c;
    }
}
