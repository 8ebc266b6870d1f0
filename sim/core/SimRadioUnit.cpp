#include "SimRadioUnit.h"

namespace {

constexpr uint8_t Esc = 0x1B;
constexpr uint8_t Cr = 0x0D;
constexpr uint8_t Lf = 0x0A;
constexpr uint8_t Dle = 0x10;
constexpr size_t MaxFrame = 512;  // far above any command; noise does not pile up

constexpr uint8_t Version = 0x00;
constexpr uint8_t ReadMemory = 0x01;
constexpr uint8_t WriteMemory = 0x02;
constexpr uint8_t SynthLoad = 0x03;
constexpr uint8_t SetOutput = 0x09;
constexpr uint8_t Finish = 0x0A;
constexpr uint8_t Done = 0x00;
constexpr uint8_t Unknown = 0xFF;

struct Escape {
    uint8_t Byte;
    uint8_t StandIn;
};
constexpr Escape Escapes[] = {{Cr, 0x0E}, {Dle, 0x11}, {Esc, 0x1C}};

// False when the frame ends in a DLE with nothing to decode.
bool unstuff(const SimRadioUnit::Bytes& stuffed, SimRadioUnit::Bytes& bytes)
{
    for (size_t i = 0; i < stuffed.size(); ++i) {
        if (stuffed[i] != Dle) {
            bytes.push_back(stuffed[i]);
            continue;
        }
        if (++i == stuffed.size()) return false;
        uint8_t decoded = stuffed[i];  // an unknown stand-in is taken as it is
        for (const Escape& e : Escapes)
            if (e.StandIn == decoded) decoded = e.Byte;
        bytes.push_back(decoded);
    }
    return true;
}

std::string stuff(const SimRadioUnit::Bytes& bytes)
{
    std::string out;
    for (uint8_t b : bytes) {
        const Escape* escape = nullptr;
        for (const Escape& e : Escapes)
            if (e.Byte == b) escape = &e;
        if (escape) {
            out += char(Dle);
            out += char(escape->StandIn);
        } else {
            out += char(b);
        }
    }
    return out;
}

uint8_t xorOf(SimRadioUnit::Bytes::const_iterator first, SimRadioUnit::Bytes::const_iterator last)
{
    uint8_t sum = 0;
    for (; first != last; ++first) sum ^= *first;
    return sum;
}

// A read or write of count bytes from the address stays inside the memory.
bool inMemory(size_t address, size_t count)
{
    return count > 0 && address + count <= SimProfile::RadioMemorySize;
}

}  // namespace

std::string SimRadioUnit::Receive(uint8_t byte, SimProfile::SimRadio& radio, SimProfile::SimFaults& faults)
{
    if (!radio.Present()) return {};
    if (byte == Esc) {
        inFrame_ = true;
        position_ = 0;
        frame_.clear();
    }
    position_ = inFrame_ ? position_ + 1 : 0;
    std::string out = Echo(byte, faults);
    if (!inFrame_ || byte == Esc) return out;
    if (byte == Cr) {
        inFrame_ = false;
        out += HandleFrame(radio, faults);
        frame_.clear();
    } else if (frame_.size() < MaxFrame) {
        frame_.push_back(byte);
    } else {
        inFrame_ = false;
        frame_.clear();
    }
    return out;
}

void SimRadioUnit::PowerCycle()
{
    inFrame_ = false;
    position_ = 0;
    frame_.clear();
    lastLoad_.clear();
    lastSetOutput_.clear();
}

std::string SimRadioUnit::Echo(uint8_t byte, const SimProfile::SimFaults& faults) const
{
    std::string echo(1, char(byte));
    if (faults.RadioWrongEcho > 0 && position_ == faults.RadioWrongEcho) echo[0] = char(~byte);
    if (byte == Esc) echo += char(faults.RadioEscWithoutCr ? Lf : Cr);
    return echo;
}

std::string SimRadioUnit::HandleFrame(SimProfile::SimRadio& radio, SimProfile::SimFaults& faults)
{
    Bytes bytes;
    if (!unstuff(frame_, bytes) || bytes.size() < 2) return {};
    const Bytes command(bytes.begin(), bytes.end() - 1);
    log_.push_back(command);
    if (xorOf(command.begin(), command.end()) != bytes.back()) return {};
    Bytes reply = Execute(command, radio);
    if (reply.empty()) return {};
    reply.push_back(xorOf(reply.begin(), reply.end()));
    std::string out;
    for (char c : stuff(reply) + char(Cr)) {
        // Spent: the radio has fallen silent but for its echoes.
        if (faults.RadioSilenceAfter == 0) break;
        if (faults.RadioSilenceAfter > 0) --faults.RadioSilenceAfter;
        out += c;
    }
    return out;
}

SimRadioUnit::Bytes SimRadioUnit::Execute(const Bytes& command, SimProfile::SimRadio& radio)
{
    const uint8_t code = command[0];
    const Bytes arguments(command.begin() + 1, command.end());
    const size_t count = arguments.size();
    switch (code) {
    case Version:
        if (count != 0) return {};
        return {code, radio.Version};
    case ReadMemory: {
        if (count != 2 || !inMemory(arguments[0], arguments[1])) return {};
        Bytes reply{code, Done};
        reply.insert(reply.end(), radio.Memory.begin() + arguments[0],
                     radio.Memory.begin() + arguments[0] + arguments[1]);
        return reply;
    }
    case WriteMemory:
        if (count < 2 || !inMemory(arguments[0], count - 1)) return {};
        std::copy(arguments.begin() + 1, arguments.end(), radio.Memory.begin() + arguments[0]);
        return {code, Done};
    case SynthLoad:
        lastLoad_ = arguments;
        return {code, radio.LoadStatus};
    case SetOutput:
        if (count != 2) return {};
        lastSetOutput_ = arguments;
        return {code, Done};
    case Finish:
        if (count != 0) return {};
        ++finishCount_;
        return {code, Done};
    default:
        return {code, Unknown};
    }
}
