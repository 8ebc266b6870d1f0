#pragma once

#include <QString>
#include <cstdint>

class ModemCommands;
class ModemComm;
class ModemSetting;
class PortSetting;
class SerialPort;

// The writers of the modem's configuration memory. Shared bytes are read first
// and only their own bits changed; every write ends with the link's error check.
class ModemWrite {
public:
    explicit ModemWrite(ModemCommands& commands);

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

    // Works out, before anything is sent, each value the writers above compute from
    // the configuration alone; raises the conversion's error for one they cannot
    // write, so that no value stops a write half way.
    static void CheckValues(const ModemSetting& ModemSet);

    // Stores the hexadecimal data at the location and checks the outcome.
    void WriteLocation(int address, const QString& data, SerialPort& Comm);
    void WriteByte(int address, double value, SerialPort& Comm);

private:
    void writeBit(int address, int mask, bool set, SerialPort& Comm);
    void writeRssiThreshold(int32_t dBm, SerialPort& Comm);
    static int64_t pttTimeoutWord(int32_t seconds);

    ModemCommands& commands_;
    ModemComm& comm_;
};
