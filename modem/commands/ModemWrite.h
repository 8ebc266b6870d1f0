#pragma once

#include "WritePlan.h"

#include <QString>
#include <cstdint>

class ModemCommands;
class ModemComm;
class ModemSetting;
class PortSetting;
class SerialPort;

// The writers of the modem's configuration memory. Shared bytes are read first
// and only their own bits changed; every write ends with the link's error check.
// While a Planning is alive the writers send nothing: their writes go into its
// plan, and their reads see what the plan has written before them.
class ModemWrite {
public:
    explicit ModemWrite(ModemCommands& commands);

    class Planning {
    public:
        Planning(ModemWrite& writer, WritePlan& plan);
        ~Planning();
        Planning(const Planning&) = delete;
        Planning& operator=(const Planning&) = delete;

    private:
        ModemWrite& writer_;
        WritePlan* outer_;
    };

    void WriteTxFreqTrim(int trim, SerialPort& Comm);
    void WriteDiagSid1(int32_t DiagSID1, int32_t DiagSID2, SerialPort& Comm);
    void WritePortBEnabled(bool enabled, SerialPort& Comm);
    void WritePttTimeout(int32_t seconds, SerialPort& Comm);
    void WriteSynthRegisters(double frequency, SerialPort& Comm);
    void WriteRssiThresholdA(int32_t dBm, SerialPort& Comm);
    void WriteRssiThresholdB(int32_t dBm, SerialPort& Comm);
    void WriteTxDelay(int32_t milliseconds, SerialPort& Comm);
    void WriteNoOfSlot(int32_t NoOfSlot, SerialPort& Comm);
    void WriteTimePerSlot(int32_t time, SerialPort& Comm);
    void WriteByteF8(int high, int low, SerialPort& Comm);
    void WriteOptionFBa(bool PowerHL, SerialPort& Comm);
    void WriteOptionFBb(int32_t PTTControl, SerialPort& Comm);
    void WriteOptionFBc(bool SIDCode, SerialPort& Comm);
    void WriteDiagRepeat(bool repeat, SerialPort& Comm);
    void WriteCollisionOptions(const ModemSetting& ModemSet, SerialPort& Comm);
    void WriteModemPortSetting(const PortSetting& Port, bool IsPortA, SerialPort& Comm);

    // Sends planned steps: the location writes, and the bar moved between them.
    void Send(const WritePlan::Steps& steps, SerialPort& Comm);

    // Stores the hexadecimal data at the location and checks the outcome.
    void WriteLocation(int address, const QString& data, SerialPort& Comm);
    void WriteByte(int address, double value, SerialPort& Comm);

private:
    void send(int address, const QString& data, SerialPort& Comm);
    int32_t read(int address, int bytes, SerialPort& Comm);
    void writeBit(int address, int mask, bool set, SerialPort& Comm);
    void writeRssiThreshold(int32_t dBm, SerialPort& Comm);
    static int64_t pttTimeoutWord(int32_t seconds);

    ModemCommands& commands_;
    ModemComm& comm_;
    WritePlan* plan_ = nullptr;
};
