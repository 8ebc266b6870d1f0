#pragma once

#include "EndlessStream.h"
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
    int InBufferCount() override;
    void setInBufferCount(int count) override;
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
    // After the next frame the far side sends the pattern over and over, one
    // byte every intervalMs, and never ends its reply.
    void StreamOnCr(const QByteArray& pattern, int intervalMs);
    // A reply framed as the modem frames it: body, checksum, CR.
    static QByteArray Framed(const QByteArray& body);
    const QByteArray& Sent() const { return sent_; }

private:
    void pump();

    FakeClock& clock_;
    bool open_ = false;
    QByteArray input_;
    QByteArray sent_;
    std::deque<QByteArray> replies_;
    QByteArray streamOnCr_;
    int streamIntervalMs_ = 0;
    EndlessStream stream_;
};
