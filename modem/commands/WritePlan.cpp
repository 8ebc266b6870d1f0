#include "WritePlan.h"

#include "ModemCommands.h"

#include <utility>

WritePlan::WritePlan(ModemCommands& commands) : commands_(commands) {}

int32_t WritePlan::Read(int address, int bytes, SerialPort& Comm)
{
    bool allPlanned = true;
    for (int i = 0; i < bytes; ++i) allPlanned = allPlanned && planned_.count(address + i) != 0;
    const int32_t held = allPlanned ? 0 : commands_.ReadLocation(address, bytes, Comm);
    int32_t value = 0;
    for (int i = 0; i < bytes; ++i) {
        const auto byte = planned_.find(address + i);
        const int shift = 8 * (bytes - 1 - i);
        value |= (byte != planned_.end() ? byte->second : (held >> shift) & 0xFF) << shift;
    }
    return value;
}

void WritePlan::Write(int address, const QString& data)
{
    for (int i = 0; i + 1 < data.size(); i += 2) planned_[address + i / 2] = data.mid(i, 2).toInt(nullptr, 16);
    steps_.push_back({address, data});
}

void WritePlan::SetProgress(int percent) { steps_.push_back({NoLocation, {}, percent, false}); }

void WritePlan::AddProgress(int percent) { steps_.push_back({NoLocation, {}, percent, true}); }

WritePlan::Steps WritePlan::Take() { return std::exchange(steps_, {}); }
