#pragma once

#include "EndlessStream.h"
#include "FakeClock.h"
#include "SerialPort.h"

#include <QByteArray>
#include <deque>
#include <initializer_list>

// A byte string from byte values, as the radio link carries them.
inline QByteArray Bytes(std::initializer_list<int> values)
{
    QByteArray b;
    for (int v : values) b.append(char(v));
    return b;
}

// A radio on the far side of the modem: echoes every byte (ESC as ESC CR) and
// answers a frame's closing CR with the next scripted reply.
class EchoPort : public SerialPort {
public:
    explicit EchoPort(FakeClock& clock) : clock_(clock) {}

    bool PortOpen() const override { return open_; }
    void setPortOpen(bool open) override { open_ = open; }
    int InBufferCount() override
    {
        pump();
        return int(input_.size());
    }
    void setInBufferCount(int count) override
    {
        pump();
        if (count == 0) input_.clear();
    }
    int OutBufferCount() override { return 0; }
    void setOutBufferCount(int) override { ++outputDiscards; }
    QByteArray Input() override
    {
        pump();
        QByteArray b = input_.left(1);
        input_.remove(0, 1);
        return b;
    }
    void Output(const QByteArray& data) override
    {
        for (char c : data) {
            sent.append(c);
            const uint8_t b = uint8_t(c);
            if (sent.size() == wrongEchoAt) {
                input_.append(char(b ^ 0x40));
            } else if (b == 0x1B) {
                input_.append(char(0x1B));
                input_.append(char(escWithoutCr ? 0x0A : 0x0D));
            } else {
                input_.append(c);
            }
            if (b == 0x0D && !replies.empty()) {
                input_.append(replies.front());
                replies.pop_front();
            } else if (b == 0x0D && !noiseOnCr_.isEmpty()) {
                noise_.Start(noiseOnCr_, noiseIntervalMs_, clock_.NowMs());
                noiseOnCr_.clear();
            }
        }
    }
    bool WaitForInput(int ms) override
    {
        pump();
        if (input_.isEmpty()) {
            const int64_t deadline = clock_.NowMs() + ms;
            const int64_t next = noise_.NextDueMs();
            clock_.AdvanceTo(next >= 0 && next < deadline ? next : deadline);
            pump();
        }
        return !input_.isEmpty();
    }
    bool WaitForOutput(int) override { return true; }

    void Feed(const QByteArray& b) { input_.append(b); }
    // In place of the next reply, the radio sends the pattern over and over,
    // one byte every intervalMs, and never ends it with a CR.
    void NoiseOnCr(const QByteArray& pattern, int intervalMs)
    {
        noiseOnCr_ = pattern;
        noiseIntervalMs_ = intervalMs;
    }

    QByteArray sent;
    std::deque<QByteArray> replies;
    qsizetype wrongEchoAt = -1;
    bool escWithoutCr = false;
    int outputDiscards = 0;

private:
    void pump() { noise_.TakeDue(clock_.NowMs(), input_); }

    FakeClock& clock_;
    bool open_ = true;
    QByteArray input_;
    QByteArray noiseOnCr_;
    int noiseIntervalMs_ = 0;
    EndlessStream noise_;
};
