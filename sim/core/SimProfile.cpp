#include "SimProfile.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <locale>
#include <sstream>
#include <stdexcept>
#include <utility>
#include <vector>

namespace {

constexpr int CheckedFirst = 0x80;
constexpr int CheckedLast = 0xFC;
constexpr int CheckWordAddress = 0xFD;

std::string trim(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

std::string normalisedKey(std::string key)
{
    std::replace(key.begin(), key.end(), '-', '_');
    return key;
}

[[noreturn]] void badValue(const std::string& key, const std::string& value)
{
    throw std::runtime_error("bad value \"" + value + "\" for " + key);
}

bool parseBool(const std::string& key, const std::string& value)
{
    if (value == "true") return true;
    if (value == "false") return false;
    badValue(key, value);
}

int parseInt(const std::string& key, const std::string& value, int min, int max)
{
    int result = 0;
    const char* end = value.data() + value.size();
    const auto [ptr, ec] = std::from_chars(value.data(), end, result);
    if (value.empty() || ec != std::errc() || ptr != end || result < min || result > max) badValue(key, value);
    return result;
}

// What a streaming peer sends: "text" or "nul"; "none" turns it off.
std::string parseStream(const std::string& key, const std::string& value)
{
    if (value == "text" || value == "nul") return value;
    if (value == "none") return {};
    badValue(key, value);
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Four hex digits, or "none" for off (-1).
int parseHexWord(const std::string& key, const std::string& value)
{
    if (value == "none") return -1;
    if (value.size() != 4) badValue(key, value);
    int word = 0;
    for (char c : value) {
        if (hexDigit(c) < 0) badValue(key, value);
        word = word * 16 + hexDigit(c);
    }
    return word;
}

// Two hex digits a byte; spaces may separate bytes but not split one.
std::vector<uint8_t> parseBytes(const std::string& text)
{
    std::vector<uint8_t> bytes;
    std::istringstream in(text);
    in.imbue(std::locale::classic());
    std::string word;
    while (in >> word) {
        if (word.size() % 2 != 0) throw std::runtime_error("bad memory bytes \"" + word + "\"");
        for (size_t i = 0; i < word.size(); i += 2) {
            const int high = hexDigit(word[i]), low = hexDigit(word[i + 1]);
            if (high < 0 || low < 0) throw std::runtime_error("bad memory bytes \"" + word + "\"");
            bytes.push_back(uint8_t(high * 16 + low));
        }
    }
    if (bytes.empty()) throw std::runtime_error("no memory bytes");
    return bytes;
}

// A memory line's bytes into a modem's or a radio's memory image.
template <size_t Size>
void setMemoryLine(std::array<uint8_t, Size>& memory, const std::string& addressText, const std::string& value)
{
    static const char digits[] = "0123456789ABCDEF";
    if (addressText.size() != 2 || hexDigit(addressText[0]) < 0 || hexDigit(addressText[1]) < 0)
        throw std::runtime_error("bad memory address \"" + addressText + "\"");
    const size_t address = size_t(hexDigit(addressText[0]) * 16 + hexDigit(addressText[1]));
    if (address >= Size) throw std::runtime_error("bad memory address \"" + addressText + "\"");
    const std::vector<uint8_t> bytes = parseBytes(value);
    if (address + bytes.size() > Size)
        throw std::runtime_error(std::string("memory bytes run past address ") + digits[(Size - 1) >> 4] +
                                 digits[(Size - 1) & 15]);
    std::copy(bytes.begin(), bytes.end(), memory.begin() + address);
}

uint8_t parseHexByte(const std::string& key, const std::string& value)
{
    if (value.size() != 2 || hexDigit(value[0]) < 0 || hexDigit(value[1]) < 0) badValue(key, value);
    return uint8_t(hexDigit(value[0]) * 16 + hexDigit(value[1]));
}

// The radio that a "radio.tx." or "radio.rx." key names, and the rest of the key;
// nullptr for any other key.
SimProfile::SimRadio* radioOf(SimProfile& profile, const std::string& key, std::string& field)
{
    if (key.size() < 9 || key.compare(0, 6, "radio.") != 0 || key[8] != '.') return nullptr;
    field = key.substr(9);
    if (key.compare(6, 2, "tx") == 0) return &profile.TxRadio;
    if (key.compare(6, 2, "rx") == 0) return &profile.RxRadio;
    return nullptr;
}

void setRadio(SimProfile::SimRadio& radio, const std::string& key, const std::string& field, const std::string& value)
{
    if (field == "family") {
        if (value != "moskar" && value != "lumbrel" && value != "rudvik" && value != "none") badValue(key, value);
        radio.Family = value;
    } else if (field == "version") {
        radio.Version = parseHexByte(key, value);
    } else if (field == "load_status") {
        radio.LoadStatus = parseHexByte(key, value);
    } else {
        throw std::runtime_error("unknown key \"" + key + "\"");
    }
}

void writeMemoryRows(std::ostream& out, const std::string& prefix, const uint8_t* memory, int size)
{
    static const char digits[] = "0123456789ABCDEF";
    for (int row = 0; row < size; row += 16) {
        out << prefix << "memory " << digits[row >> 4] << '0' << " =";
        for (int i = row; i < row + 16; ++i) out << ' ' << digits[memory[i] >> 4] << digits[memory[i] & 15];
        out << "\n";
    }
}

}  // namespace

SimProfile SimProfile::Default()
{
    SimProfile p;
    auto put = [&p](int address, std::initializer_list<uint8_t> bytes) {
        std::copy(bytes.begin(), bytes.end(), p.Memory.begin() + address);
    };
    put(0x80, {0x80});              // carries the diagnostics settings
    put(0x85, {6});                 // type 6: built-in high-band radio
    put(0x86, {0x00});              // no frequency trim
    put(0x88, {0x01, 0x02});        // diagnostics SIDs
    put(0x8A, {0x11, 0x12, 0x21, 0x22});  // port A and B SIDs
    put(0x8E, {0x04, 0x04});        // port A hardware flow control, port B enabled
    put(0x90, {0x0D, 0x0D});        // end of message: CR
    put(0x92, {0x0A, 0x0A});        // character timers
    put(0x94, {0xFF, 0xFF});        // maximum frames
    put(0x96, {0x05, 0x05});        // 9600,N,8,1 on both ports
    put(0x98, {0x0B, 0xB8});        // PTT time-out 30 s
    put(0x9A, {0x12, 0x34, 0x56});  // serial number
    // Synthesiser: R 960 (12.5 kHz steps), A 1, N 505: 808.0125 MHz.
    put(0xE0, {0x00, 0x00, 0x03, 0xC0, 0x02, 0x1F, 0x90});
    put(0xF0, {0x30, 0x00});        // power alarm 1000 mW, no calibration
    put(0xF2, {0x50, 0x00});        // RSSI threshold -100 dBm, no calibration
    put(0xF5, {0x0C});              // TX delay 10 ms
    put(0xF6, {0x04, 0x0A});        // slots
    put(0xF8, {0x00});              // no collision avoidance
    put(0xF9, {0x10});              // radio side at 9600 baud
    put(0xFA, {0x00});              // no diagnostics, built-in radio, full duplex
    put(0xFB, {0xC0});              // SID codes on (port B is enabled), high power, PTT on data, master
    put(0xFC, {0x00});
    p.FixCheckWord();
    return p;
}

SimProfile SimProfile::Parse(const std::string& text)
{
    SimProfile p = Default();
    bool fixCheckWord = true;
    std::istringstream in(text);
    in.imbue(std::locale::classic());
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        const std::string content = trim(line.substr(0, line.find('#')));
        if (content.empty()) continue;
        try {
            const auto equals = content.find('=');
            if (equals == std::string::npos) throw std::runtime_error("expected \"key = value\"");
            const std::string key = normalisedKey(trim(content.substr(0, equals)));
            const std::string value = trim(content.substr(equals + 1));
            std::string field;
            SimRadio* radio = radioOf(p, key, field);
            if (key.rfind("memory ", 0) == 0)
                setMemoryLine(p.Memory, trim(key.substr(7)), value);
            else if (radio && field.rfind("memory ", 0) == 0)
                setMemoryLine(radio->Memory, trim(field.substr(7)), value);
            else if (key == "fix_check_word")
                fixCheckWord = parseBool(key, value);
            else
                p.Set(key, value);
        } catch (const std::runtime_error& e) {
            throw std::runtime_error("line " + std::to_string(number) + ": " + e.what());
        }
    }
    if (fixCheckWord) p.FixCheckWord();
    return p;
}

SimProfile SimProfile::Load(const std::string& path)
{
    std::ifstream file(path);
    if (!file) throw std::runtime_error(path + ": cannot be read");
    std::ostringstream text;
    text << file.rdbuf();
    try {
        return Parse(text.str());
    } catch (const std::runtime_error& e) {
        throw std::runtime_error(path + ": " + e.what());
    }
}

void SimProfile::Set(const std::string& rawKey, const std::string& value)
{
    const std::string key = normalisedKey(rawKey);
    if (key == "firmware") {
        if (value.empty()) badValue(key, value);
        Firmware = value;
    } else if (key == "product_version") {
        ProductVersion = value;
    } else if (key == "prompt_interval_ms") {
        PromptIntervalMs = parseInt(key, value, 1, 3600000);
    } else if (key == "prompt_window_ms") {
        PromptWindowMs = parseInt(key, value, 1, 1 << 30);
    } else if (key == "starts_off") {
        StartsOff = parseBool(key, value);
    } else if (key == "rssi") {
        Rssi[1] = parseInt(key, value, 0, 255);
    } else if (key.size() == 6 && key.rfind("rssi.", 0) == 0 && key[5] >= '0' && key[5] < '0' + RssiChannels) {
        Rssi[key[5] - '0'] = parseInt(key, value, 0, 255);
    } else if (std::string field; SimRadio* radio = radioOf(*this, key, field)) {
        setRadio(*radio, rawKey, field, value);
    } else {
        SetFault(key, value);
    }
}


void SimProfile::SetFault(const std::string& rawKey, const std::string& value)
{
    const std::string key = normalisedKey(rawKey);
    if (key == "silent")
        Faults.Silent = parseBool(key, value);
    else if (key == "bad_checksum")
        Faults.BadChecksum = parseBool(key, value);
    else if (key == "bad_checksum_on")
        Faults.BadChecksumOn = value;
    else if (key == "er_on")
        Faults.ErOn = value;
    else if (key == "silence_after")
        Faults.SilenceAfter = parseInt(key, value, -1, 1 << 30);
    else if (key == "radio_wrong_echo")
        Faults.RadioWrongEcho = parseInt(key, value, 0, 1 << 30);
    else if (key == "radio_esc_without_cr")
        Faults.RadioEscWithoutCr = parseBool(key, value);
    else if (key == "radio_silence_after")
        Faults.RadioSilenceAfter = parseInt(key, value, -1, 1 << 30);
    else if (key == "stream")
        Faults.Stream = parseStream(key, value);
    else if (key == "endless_prompts")
        Faults.EndlessPrompts = parseBool(key, value);
    else if (key == "long_reply")
        Faults.LongReply = parseInt(key, value, 0, 1 << 24);
    else if (key == "long_reply_on")
        Faults.LongReplyOn = value;
    else if (key == "radio_noise")
        Faults.RadioNoise = parseBool(key, value);
    else if (key == "check_stuck")
        Faults.CheckStuck = parseHexWord(key, value);
    else
        throw std::runtime_error("unknown key \"" + rawKey + "\"");
}

std::string SimProfile::ToText() const
{
    static const char digits[] = "0123456789ABCDEF";
    // Numbers without the grouping that a host's global locale may have.
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << "firmware = " << Firmware << "\n";
    if (!ProductVersion.empty()) out << "product_version = " << ProductVersion << "\n";
    out << "prompt_interval_ms = " << PromptIntervalMs << "\n";
    out << "prompt_window_ms = " << PromptWindowMs << "\n";
    for (int k = 0; k < RssiChannels; ++k) out << "rssi." << k << " = " << Rssi[k] << "\n";
    out << "fix_check_word = false\n";
    writeMemoryRows(out, "", Memory.data(), MemorySize);
    const std::pair<const char*, const SimRadio*> radios[] = {{"radio.tx.", &TxRadio}, {"radio.rx.", &RxRadio}};
    for (const auto& [prefix, radio] : radios) {
        if (*radio == SimRadio{}) continue;
        out << prefix << "family = " << radio->Family << "\n";
        out << prefix << "version = " << digits[radio->Version >> 4] << digits[radio->Version & 15] << "\n";
        out << prefix << "load_status = " << digits[radio->LoadStatus >> 4] << digits[radio->LoadStatus & 15] << "\n";
        writeMemoryRows(out, prefix, radio->Memory.data(), RadioMemorySize);
    }
    return out.str();
}

uint16_t SimProfile::CheckWordOf(const MemoryImage& memory)
{
    return Crc16X25(memory.data() + CheckedFirst, CheckedLast - CheckedFirst + 1);
}

uint16_t SimProfile::Crc16X25(const uint8_t* data, size_t size)
{
    uint16_t crc = 0xFFFF;
    for (size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit) crc = (crc & 1) ? uint16_t((crc >> 1) ^ 0x8408) : uint16_t(crc >> 1);
    }
    return uint16_t(crc ^ 0xFFFF);
}

void SimProfile::FixCheckWord()
{
    const uint16_t word = CheckWordOf(Memory);
    Memory[CheckWordAddress] = uint8_t(word >> 8);
    Memory[CheckWordAddress + 1] = uint8_t(word & 0xFF);
}
