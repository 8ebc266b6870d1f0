#pragma once

#include <QByteArray>

#include <cstdint>

class RadioCommands;
class RadioComm;
class RadioSpec;
class SerialPort;

// The writers of an external radio's memory and its synthesiser loads.
class RadioWrite {
public:
    explicit RadioWrite(RadioCommands& commands);

    void WriteRadioValueA(int32_t N, SerialPort& port);
    void WriteRadioValueB(int32_t N, SerialPort& port);
    void WriteRadioValueC(int32_t N, SerialPort& port);
    void WriteRadioValueD(int32_t N, SerialPort& port);
    void WriteRadioRegE(int32_t B, SerialPort& port);
    void WriteRadioRegF(int32_t B, SerialPort& port);
    void WriteRadioRegG(int32_t A, SerialPort& port);
    void WriteRadioRegH(int32_t A, SerialPort& port);
    void WriteRadioRegI(int16_t& power, SerialPort& port);
    // The trim register's value, from -MaxTrim to MaxTrim.
    void WriteRadioRegJ(int32_t trim, SerialPort& port);
    static constexpr int32_t MaxTrim = 255;
    void WriteRadioRegK(bool highPower, SerialPort& port);
    int32_t WriteRadioBlockA(const RadioSpec& spec, int32_t N, bool transmit, SerialPort& port);
    static QByteArray BlockACommand(const RadioSpec& spec, int32_t N, bool transmit);
    int32_t WriteRadioBlockB(const RadioSpec& spec, int32_t N, bool transmit, SerialPort& port);
    void WriteRadioBlockC(int selector, int value, SerialPort& port);
    static QByteArray BlockCCommand(int selector, int value);

private:
    // The two low bytes of a divider, then its high bits into the shared byte.
    void writeDivider(int address, int highAddress, int32_t N, int mask, int highBits, SerialPort& port);
    void writeByte(int address, int value, SerialPort& port);
    void writeCounterB(int address, int32_t B, SerialPort& port);

    RadioCommands& commands_;
    RadioComm& radio_;
};
