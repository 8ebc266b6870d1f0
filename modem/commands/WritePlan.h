#pragma once

#include <QString>
#include <cstdint>
#include <map>
#include <vector>

class ModemCommands;
class SerialPort;

// A write of the modem's configuration memory worked out before any of it is
// sent: the location writes in their order, with the steps of the progress bar
// between them. Reads go through the link, except of bytes the plan already
// writes: those read as planned, as the modem will hold them once the writes
// before them have gone.
class WritePlan {
public:
    struct Step {
        int Address = NoLocation;
        QString Data;      // hexadecimal, two digits a byte
        int Percent = 0;   // a progress step: the bar's value, or what is added to it
        bool Added = false;
    };
    using Steps = std::vector<Step>;
    static constexpr int NoLocation = -1;

    explicit WritePlan(ModemCommands& commands);

    // The location's bytes as one big-endian number, as the modem will hold them.
    int32_t Read(int address, int bytes, SerialPort& Comm);
    void Write(int address, const QString& data);
    void SetProgress(int percent);
    void AddProgress(int percent);
    // The steps planned since the last call.
    Steps Take();

private:
    ModemCommands& commands_;
    std::map<int, int> planned_;  // address: byte
    Steps steps_;
};
