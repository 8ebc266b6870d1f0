#pragma once

#include "SerialPort.h"

#include <QByteArray>
#include <deque>

class FakeClock;

// A serial port that answers each frame the host ends with CR by the next
// scripted reply, on a fake clock; for replies no well-behaved modem sends.
class ScriptedPort : public SerialPort {
public:
    explicit ScriptedPort(FakeClock& clock);

    bool PortOpen() const override { return open_; }
    void setPortOpen(bool open) override { open_ = open; }
    int InBufferCount() override { return int(input_.size()); }
    void setInBufferCount(int count) override
    {
        if (count == 0) input_.clear();
    }
    int OutBufferCount() override { return 0; }
    void setOutBufferCount(int) override {}
    QByteArray Input() override;
    void Output(const QByteArray& data) override;
    bool WaitForInput(int ms) override;
    bool WaitForOutput(int) override { return true; }

    // Bytes waiting to be read now.
    void Feed(const QByteArray& bytes) { input_.append(bytes); }
    // The answer to the next frame; an empty one is silence.
    void ReplyOnCr(const QByteArray& bytes) { replies_.push_back(bytes); }
    // A reply framed as the modem frames it: body, checksum, CR.
    static QByteArray Framed(const QByteArray& body);
    const QByteArray& Sent() const { return sent_; }

private:
    FakeClock& clock_;
    bool open_ = false;
    QByteArray input_;
    QByteArray sent_;
    std::deque<QByteArray> replies_;
};
