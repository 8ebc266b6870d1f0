#pragma once

#include "ModemLinks.h"
#include "ReleaseGuard.h"

#include <QString>
#include <cstdint>
#include <memory>

class Karsid;
class LibraryContext;
class ModemSetting;
class SerialPort;
class WaitView;

// What the control does, apart from its face: it owns the modem driver,
// connects to the modem (prompt or probe, wait window, command mode, firmware
// and programmer-version checks) and forwards reading, writing, validation and
// the bench operations.
class ModemControl {
public:
    ModemControl(LibraryContext& context, SerialPort& port, WaitView& wait);
    ~ModemControl();

    bool Working = false;

    void CreatModem(int16_t& ModemType, int16_t& TXRadio, int16_t& RXRadio);
    QString Database() const;
    void setDatabase(const QString& path);
    bool QuerySetting(ModemSetting& ModemSet, bool& DisplayError);
    bool WriteModemSetting(ModemSetting& ModemSet, bool& NeedPassword);
    int16_t ReadModemSetting(ModemSetting& ModemSet);
    int16_t CommPort() const;
    void setCommPort(int16_t port);
    int32_t AutoRssi(int16_t& RadioType, double& freq, bool& SelectRadio);
    void TXState(bool& TurnOn);
    int32_t WriteTXFreq(double& freq, bool& SelectRadio);
    bool PortOpen() const;
    void setPortOpen(bool open);
    void WritePower(int16_t& Value);
    void TestPowerMode(bool& Enable);

    // This program's version as the modem's "PV" reply is compared with it.
    static float ProgrammerVersion();

    Karsid* Driver() const { return ModemDriver.get(); }
    ModemLinks& Links() { return links_; }

private:
    enum class Connection { Connected, NoPort, Cancelled };
    // The modem's "?" prompt, or an answer to "SV", or the wait window; then command mode.
    Connection connect();
    // Reads the firmware; refuses with the message when this program does not know it.
    bool firmwareSupported(double& version, const QString& refusal);
    bool programmerVersionAccepted(double firmware);
    void showProgress(const QString& caption);
    void releaseDriver();

    LibraryContext& context_;
    SerialPort& DataPort;
    WaitView& wait_;
    ModemLinks links_;
    std::unique_ptr<Karsid> ModemDriver;
    // Un-keys the transmitter however this process ends while the test has it keyed.
    ReleaseGuard releaseGuard_;
};
