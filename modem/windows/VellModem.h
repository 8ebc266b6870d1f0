#pragma once

// The radio modem control: everything the program does with a modem goes
// through these members. Arguments are passed by reference, as the host passes
// them; a member that judges a configuration returns True when it rejects it.

#include <QVariant>
#include <QWidget>

#include <cstdint>
#include <memory>

class Clock;
class ModemControl;
class ModemSetting;
class Prompt;
class ProgressView;
class SerialPort;
class WaitView;
class WriteJournal;

class VellModem : public QWidget {
public:
    // What the control talks to the world through; a null member gets the
    // control's own (system clock, message boxes, its windows, a serial device).
    struct Seams {
        Clock* clock = nullptr;
        Prompt* prompt = nullptr;
        ProgressView* progress = nullptr;
        WaitView* wait = nullptr;
        SerialPort* port = nullptr;
        // Told when a write starts changing the modem and when it has been checked.
        WriteJournal* journal = nullptr;
    };

    explicit VellModem(QWidget* parent = nullptr);
    explicit VellModem(const Seams& seams, QWidget* parent = nullptr);
    ~VellModem() override;

    bool Working() const;
    void setWorking(bool working);
    void CreatModem(int16_t& ModemType, int16_t& TXRadio, int16_t& RXRadio);
    QString Database() const;
    void setDatabase(const QString& path);
    bool QuerySetting(ModemSetting& ModemSet, bool& DisplayError);
    // True when the configuration went into the modem and passed the modem's check;
    // False when the write was refused or failed (its message has been shown).
    bool WriteModemSetting(ModemSetting& ModemSet, bool& NeedPassword);
    int16_t ReadModemSetting(ModemSetting& ModemSet);
    // "Returns/sets the communications port number."
    int16_t CommPort() const;
    void setCommPort(int16_t port);
    int32_t AutoRssi(int16_t& RadioType, double& freq, bool& SelectRadio);
    QVariant TXState(bool& TurnOn);
    int32_t WriteTXFreq(double& freq, bool& SelectRadio);
    // "Sets/returns the state of the communications port (open or closed)."
    bool PortOpen() const;
    void setPortOpen(bool open);
    void WritePower(int16_t& Value);
    void TestPowerMode(bool& Enable);

    // The serial device the control opens, overriding the port number's device.
    void SetDevicePath(const QString& path);
    // Whether the modem driver's last whole read or write completed.
    bool DriverWorking() const;

private:
    void UserControl_Initialize();

    struct Parts;
    std::unique_ptr<Parts> parts_;
    ModemControl* control_;
};
