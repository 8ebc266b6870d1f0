#pragma once

#include "SerialPort.h"

class FakeClock;

// The control's port, whose first question about its state takes the given time
// on the fake clock: a main window that is slow to load.
class SlowLoadPort : public SerialPort {
public:
    SlowLoadPort(SerialPort& inner, FakeClock& clock, int delayMs);

    bool PortOpen() const override;
    void setPortOpen(bool open) override { inner_.setPortOpen(open); }
    int InBufferCount() override { return inner_.InBufferCount(); }
    void setInBufferCount(int count) override { inner_.setInBufferCount(count); }
    int OutBufferCount() override { return inner_.OutBufferCount(); }
    void setOutBufferCount(int count) override { inner_.setOutBufferCount(count); }
    QByteArray Input() override { return inner_.Input(); }
    void Output(const QByteArray& data) override { inner_.Output(data); }
    bool WaitForInput(int ms) override { return inner_.WaitForInput(ms); }
    bool WaitForOutput(int ms) override { return inner_.WaitForOutput(ms); }

private:
    SerialPort& inner_;
    FakeClock& clock_;
    int delayMs_;
    mutable bool delayed_ = false;
};
