#pragma once

#include <QString>
#include <cstdint>

class ModemComm;
class ModemSetting;
class PortSetting;
class SerialPort;

// The modem's commands (versions, type, check word, synthesiser, signal samples)
// and the readers of its configuration memory. Each operation starts with
// ModemErrorCode at 0 and ends with the link's error check, so a failed exchange
// shows its code and raises error 68.
class ModemCommands {
public:
    explicit ModemCommands(ModemComm& comm);

    ModemComm& comm() const { return comm_; }

    bool CheckModemError();
    bool ProbeModemVersion(SerialPort& Comm);
    QString ReadModemFirmware(SerialPort& Comm);
    QString ReadModemProductVersion(SerialPort& Comm);
    int16_t ReadModemType(SerialPort& Comm);
    double ReadSynthFrequency(SerialPort& Comm);
    void CheckModemCrc(SerialPort& Comm);
    void SetSynthFrequency(double frequency, SerialPort& Comm);
    int32_t ReadRssiSample(int channel, SerialPort& Comm);
    int32_t AverageRssiA(SerialPort& Comm);
    int32_t AverageRssiB(SerialPort& Comm);
    static QString StripCommas(const QString& text);

    int32_t ReadDiagsEditable(SerialPort& Comm);
    int16_t ReadTxFreqTrim(SerialPort& Comm);
    int32_t ReadDiagSid1(SerialPort& Comm);
    int32_t ReadDiagSid2(SerialPort& Comm);
    bool ReadPortBEnabled(SerialPort& Comm);
    int32_t ReadPttTimeout(SerialPort& Comm);
    QString ReadModemSerialNo(SerialPort& Comm);
    int32_t ReadSynthWordE2(SerialPort& Comm);
    int32_t ReadSynthByteE4(SerialPort& Comm);
    int32_t ReadSynthWordE5(SerialPort& Comm);
    int32_t ReadPowerAlarm(SerialPort& Comm);
    int32_t ReadByteF1(SerialPort& Comm);
    int32_t ReadRssiThresholdA(SerialPort& Comm);
    int32_t ReadRssiThresholdB(SerialPort& Comm);
    int32_t ReadByteF3(SerialPort& Comm);
    int32_t ReadTxDelay(SerialPort& Comm);
    int32_t ReadNoOfSlot(SerialPort& Comm);
    int32_t ReadTimePerSlot(SerialPort& Comm);
    int32_t ReadByteF8a(SerialPort& Comm);
    int32_t ReadByteF8b(SerialPort& Comm);
    bool ReadBaudRate9600(SerialPort& Comm);
    bool ReadDiagEnable(SerialPort& Comm);
    bool ReadOptionFAbit1(SerialPort& Comm);
    bool ReadBuildHdx(SerialPort& Comm);
    bool ReadSidCode(SerialPort& Comm);
    bool ReadPowerHighLow(SerialPort& Comm);
    int32_t ReadPttControl(SerialPort& Comm);
    bool ReadDiagRepeat(SerialPort& Comm);
    void ReadCollisionOptions(ModemSetting& ModemSet, SerialPort& Comm);
    void ReadModemPortSetting(PortSetting& Port, bool IsPortA, SerialPort& Comm);

    // The raw value of a location: its bytes as one big-endian number.
    int32_t ReadLocation(int address, int bytes, SerialPort& Comm);
    // The calibration byte at the location when the modem says it holds one
    // (bit 0 of 0xFA) and it is neither 0 nor 255; the fallback otherwise.
    int32_t ReadCalibration(int address, int fallback, SerialPort& Comm);
    // Whether the modem's firmware is later than 2.3 (hardware flow control on port A).
    bool FirmwareAbove23(SerialPort& Comm);

    static constexpr int DefaultSignalCal = 175;
    static constexpr int DefaultAlarmCal = 48;

private:
    int32_t readSignedByte(int address, SerialPort& Comm);
    bool readBit(int address, int mask, SerialPort& Comm);
    int32_t averageRssi(double offset, SerialPort& Comm);
    int32_t readRssiThreshold(SerialPort& Comm);

    ModemComm& comm_;
};
