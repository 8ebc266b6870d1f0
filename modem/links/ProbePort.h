#pragma once

#include "SerialPort.h"

#include <QByteArray>
#include <QString>

// A serial port that only finds out whether its device can be had. Opening
// it opens the device as DevicePort does, refused the same way when another
// program holds it, and changes nothing there: no line setting, no modem
// line, no flush. While it is open nothing is read or sent: the counts read
// 0, Input gives nothing and Output raises "Device unavailable".
class ProbePort : public SerialPort {
public:
    ProbePort() = default;
    ~ProbePort() override;
    ProbePort(const ProbePort&) = delete;
    ProbePort& operator=(const ProbePort&) = delete;

    // An explicit device; when empty, the device of CommPort is looked up at open.
    void SetDevicePath(const QString& path) { devicePath_ = path; }
    // An explicit folder of other programs' lock files; when empty, the port map's.
    void SetLockFolder(const QString& folder) { lockFolder_ = folder; }

    QString DeviceName() const override;

    bool PortOpen() const override { return fd_ >= 0; }
    void setPortOpen(bool open) override;

    int InBufferCount() override { return 0; }
    void setInBufferCount(int) override {}
    int OutBufferCount() override { return 0; }
    void setOutBufferCount(int) override {}

    QByteArray Input() override;
    void Output(const QByteArray& data) override;

    bool WaitForInput(int ms) override;
    bool WaitForOutput(int) override { return true; }

private:
    void close();

    int fd_ = -1;
    QString devicePath_;
    QString lockFolder_;
};
