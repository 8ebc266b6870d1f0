#pragma once

#include "SerialPort.h"

#include <QByteArray>
#include <QString>

#include <termios.h>

// A serial device of the system driven through termios: raw mode, no flow
// control, held exclusively (flock and exclusive mode) while open. Closing it
// gives the line back with the attributes it had before the open.
//
// On a closed port the counts read 0, the waits do not wait for anything
// that cannot come, and Input and Output raise "Port not open". An open that
// fails raises "Invalid port number" for a device that is not there or not a
// terminal, "Permission denied" when this user may not open it, and "Port
// already open" when another holder has it (see DeviceAccess).
class DevicePort : public SerialPort {
public:
    DevicePort() = default;
    ~DevicePort() override;
    DevicePort(const DevicePort&) = delete;
    DevicePort& operator=(const DevicePort&) = delete;

    // An explicit device; when empty, the device of CommPort is looked up at open.
    void SetDevicePath(const QString& path) { devicePath_ = path; }
    const QString& DevicePath() const { return devicePath_; }
    // An explicit folder of other programs' lock files; when empty, the port map's.
    void SetLockFolder(const QString& folder) { lockFolder_ = folder; }
    QString LockFolder() const;

    // Puts Settings text ("9600,N,8,1") into line attributes: raw, no flow
    // control, receiver on, modem status ignored. Raises InvalidArgument for
    // a rate, parity, data or stop bits it does not know.
    static void ApplySettings(const QString& settings, termios& attributes);

    // The explicit device, else the one CommPort stands for.
    QString DeviceName() const override;

    int Descriptor() const override { return fd_; }
    bool PortOpen() const override { return fd_ >= 0; }
    void setPortOpen(bool open) override;

    int InBufferCount() override;
    void setInBufferCount(int count) override;
    int OutBufferCount() override;
    void setOutBufferCount(int count) override;

    QByteArray Input() override;
    void Output(const QByteArray& data) override;

    bool WaitForInput(int ms) override;
    bool WaitForOutput(int ms) override;

protected:
    void applyLineSettings() override;
    void applyModemLines() override;

private:
    void open();
    void close();
    void requireOpen() const;
    // Moves whatever the device has received into received_.
    void readWaiting();

    int fd_ = -1;
    QString devicePath_;
    QString lockFolder_;
    termios before_{};
    QByteArray received_;
};
