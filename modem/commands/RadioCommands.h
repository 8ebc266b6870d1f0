#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

class RadioComm;
class SerialPort;

// The radio's commands and a reader for each field of its memory. A reader gives
// 0 (the serial number "------") when the exchange left an error code.
class RadioCommands {
public:
    explicit RadioCommands(RadioComm& radio);

    RadioComm& radio() const { return radio_; }

    QString ReadRadioVersion(SerialPort& port);
    static QString FormatRadioVersion(const QByteArray& reply);
    QByteArray ReadRadioMemory(SerialPort& port, int address, int count);
    void WriteRadioMemory(SerialPort& port, int address, const QByteArray& data);
    QString ReadRadioSerialNo(SerialPort& port);
    void FinishRadioWrite(SerialPort& port);
    int32_t ReadRadioType(SerialPort& port);
    int32_t ReadRadioByte75(SerialPort& port);
    int32_t ReadRadioByte76(SerialPort& port);
    int32_t ReadRadioTrimGain(SerialPort& port);
    int32_t ReadRadioTrimBase(SerialPort& port);
    int32_t ReadRadioFreqTrim(SerialPort& port);
    int32_t ReadRadioPowerByte(SerialPort& port);
    int32_t ReadLumbrelRxDivider(SerialPort& port);
    double ReadLumbrelTxDivider(SerialPort& port);
    double ReadLumbrelRefDivider(SerialPort& port);
    double ReadMoskarDividerB(SerialPort& port);
    double ReadMoskarDividerA(SerialPort& port);
    double ReadRudvikCounterB1(SerialPort& port);
    double ReadRudvikCounterB2(SerialPort& port);
    double ReadRudvikCounterA1(SerialPort& port);
    double ReadRudvikCounterA2(SerialPort& port);
    int32_t ReadRudvikWord40(SerialPort& port);

    // The memory bytes from the address on, each 0..255; empty on an error code.
    QByteArray ReadBytes(SerialPort& port, int address, int count);
    // One byte, 0 on an error code.
    int32_t ReadByte(SerialPort& port, int address);
    // Sends a command and returns reply byte 2 (0 when the exchange left a code).
    int32_t SendStatusCommand(SerialPort& port, const QByteArray& command);

private:
    int32_t readWord(SerialPort& port, int address);
    static int32_t signedByte(int32_t b) { return b >= 128 ? b - 256 : b; }

    RadioComm& radio_;
};
