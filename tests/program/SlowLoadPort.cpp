#include "SlowLoadPort.h"

#include "FakeClock.h"

SlowLoadPort::SlowLoadPort(SerialPort& inner, FakeClock& clock, int delayMs)
    : inner_(inner), clock_(clock), delayMs_(delayMs)
{
}

bool SlowLoadPort::PortOpen() const
{
    if (!delayed_) {
        delayed_ = true;
        clock_.Advance(delayMs_);
    }
    return inner_.PortOpen();
}
