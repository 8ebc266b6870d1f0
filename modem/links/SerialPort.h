#pragma once

#include <QByteArray>
#include <QString>

// A serial port as the links use it: settings, the two buffer counts, one unit in
// and out at a time. Opening a port that cannot be had raises a RuntimeError.
class SerialPort {
public:
    enum InputModes { Text = 0, Binary = 1 };

    virtual ~SerialPort() = default;

    int CommPort() const { return commPort_; }
    void setCommPort(int port) { commPort_ = port; }

    const QString& Settings() const { return settings_; }
    // Rate, parity, data and stop bits as "9600,N,8,1"; takes effect at once when open.
    void setSettings(const QString& settings);
    int InputMode() const { return inputMode_; }
    void setInputMode(int mode) { inputMode_ = mode; }
    int InputLen() const { return inputLen_; }
    void setInputLen(int len) { inputLen_ = len; }
    bool RTSEnable() const { return rts_; }
    void setRTSEnable(bool on);
    bool DTREnable() const { return dtr_; }
    void setDTREnable(bool on);

    // The device the port stands for, as messages name it; empty when none is known.
    virtual QString DeviceName() const { return {}; }
    // The open device's file descriptor; -1 for a port that is not a device.
    virtual int Descriptor() const { return -1; }

    virtual bool PortOpen() const = 0;
    virtual void setPortOpen(bool open) = 0;

    virtual int InBufferCount() = 0;
    // Only 0 is meaningful: drops what has been received.
    virtual void setInBufferCount(int count) = 0;
    virtual int OutBufferCount() = 0;
    // Only 0 is meaningful: drops what has not been sent.
    virtual void setOutBufferCount(int count) = 0;

    // At most InputLen units of what has been received; empty when nothing is there.
    virtual QByteArray Input() = 0;
    virtual void Output(const QByteArray& data) = 0;

    // Blocks until input is waiting or the time is up, so that polls sleep
    // instead of spinning. True when input is waiting.
    virtual bool WaitForInput(int ms) = 0;
    // Blocks until the output has left or the time is up. True when it has.
    virtual bool WaitForOutput(int ms) = 0;

    // The baud rate of Settings (0 when it cannot be read).
    int BaudRate() const;

protected:
    // The line settings or levels changed while the port is open.
    virtual void applyLineSettings() {}
    virtual void applyModemLines() {}

private:
    int commPort_ = 1;
    QString settings_ = QStringLiteral("9600,N,8,1");
    int inputMode_ = Text;
    int inputLen_ = 0;
    bool rts_ = false;
    bool dtr_ = false;
};
