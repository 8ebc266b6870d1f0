#pragma once

#include "SerialPort.h"

#include <QByteArray>

class FakeClock;
class SimModem;

// A serial port wired straight to the simulated modem, on a fake clock: waits
// move the clock to the modem's next output or to the end of the time-out.
class LoopbackPort : public SerialPort {
public:
    LoopbackPort(SimModem& modem, FakeClock& clock);

    bool PortOpen() const override { return open_; }
    void setPortOpen(bool open) override;
    int InBufferCount() override;
    void setInBufferCount(int count) override;
    int OutBufferCount() override { return 0; }
    void setOutBufferCount(int) override {}
    QByteArray Input() override;
    void Output(const QByteArray& data) override;
    bool WaitForInput(int ms) override;
    bool WaitForOutput(int) override { return true; }

    // Everything the host sent since the last ClearSent.
    const QByteArray& Sent() const { return sent_; }
    void ClearSent() { sent_.clear(); }
    // The next open fails as a missing device would.
    void FailNextOpen() { failOpen_ = true; }
    // The device is gone, as a serial adapter pulled out: the open port fails and
    // no open succeeds any more.
    void Vanish() { vanished_ = true; }
    int Opens() const { return opens_; }

private:
    void pump();

    SimModem& modem_;
    FakeClock& clock_;
    bool open_ = false;
    bool failOpen_ = false;
    bool vanished_ = false;
    int opens_ = 0;
    QByteArray received_;
    QByteArray sent_;
};
