#include "LoopbackPort.h"

#include "FakeClock.h"
#include "RuntimeError.h"
#include "SimModem.h"

LoopbackPort::LoopbackPort(SimModem& modem, FakeClock& clock) : modem_(modem), clock_(clock) {}

void LoopbackPort::setPortOpen(bool open)
{
    if (open && (failOpen_ || vanished_)) {
        failOpen_ = false;
        open_ = false;
        throw RuntimeError(RuntimeError::InvalidPortNumber, QStringLiteral("Invalid port number"));
    }
    if (open && !open_) {
        ++opens_;
        // What the modem sent while the port was closed never arrived.
        modem_.Advance(clock_.NowMs());
        modem_.TakeOutput();
    }
    open_ = open;
    if (!open) received_.clear();
}

void LoopbackPort::pump()
{
    modem_.Advance(clock_.NowMs());
    const std::string out = modem_.TakeOutput();
    if (open_) received_.append(out.data(), qsizetype(out.size()));
}

int LoopbackPort::InBufferCount()
{
    pump();
    return int(received_.size());
}

void LoopbackPort::setInBufferCount(int count)
{
    pump();
    if (count == 0) received_.clear();
}

QByteArray LoopbackPort::Input()
{
    if (vanished_) throw RuntimeError::deviceUnavailable();
    if (!open_) throw RuntimeError(RuntimeError::PortNotOpen, QStringLiteral("Port not open"));
    pump();
    const int n = InputLen() > 0 ? InputLen() : int(received_.size());
    QByteArray data = received_.left(n);
    received_.remove(0, data.size());
    return data;
}

void LoopbackPort::Output(const QByteArray& data)
{
    if (vanished_) throw RuntimeError::deviceUnavailable();
    if (!open_) throw RuntimeError(RuntimeError::PortNotOpen, QStringLiteral("Port not open"));
    sent_.append(data);
    for (char c : data) modem_.Receive(uint8_t(c), BaudRate(), clock_.NowMs());
    pump();
}

bool LoopbackPort::WaitForInput(int ms)
{
    const int64_t deadline = clock_.NowMs() + ms;
    pump();
    while (received_.isEmpty()) {
        const int64_t next = modem_.NextEventMs();
        if (next < 0 || next > deadline) {
            clock_.AdvanceTo(deadline);
            pump();
            break;
        }
        // A modem that promises output it then holds back must not stall the clock.
        clock_.AdvanceTo(next > clock_.NowMs() ? next : clock_.NowMs() + 1);
        pump();
    }
    return !received_.isEmpty();
}
