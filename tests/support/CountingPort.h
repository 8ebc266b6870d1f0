#pragma once

#include "DevicePort.h"

#include <QElapsedTimer>
#include <map>

// A serial device that counts the bytes each way at each line rate, and the
// waits for input that ran out.
class CountingPort : public DevicePort {
public:
    QByteArray Input() override
    {
        QByteArray data = DevicePort::Input();
        bytes[BaudRate()] += data.size();
        return data;
    }
    void Output(const QByteArray& data) override
    {
        bytes[BaudRate()] += data.size();
        DevicePort::Output(data);
    }
    // A wait that ran out is one the protocol mandates (a prompt that does not come).
    bool WaitForInput(int ms) override
    {
        timer.start();
        const bool arrived = DevicePort::WaitForInput(ms);
        if (!arrived) expiredMs += double(timer.elapsed());
        return arrived;
    }
    // The time every counted byte takes on the wire: 10 bits a character.
    double WireMs() const
    {
        double ms = 0;
        for (auto [baud, count] : bytes) ms += baud > 0 ? count * 10.0 * 1000.0 / baud : 0;
        return ms;
    }
    void Reset()
    {
        bytes.clear();
        expiredMs = 0;
    }
    std::map<int, qint64> bytes;
    double expiredMs = 0;
    QElapsedTimer timer;
};
