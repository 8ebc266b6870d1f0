#pragma once

#include <QByteArray>
#include <cstdint>

// What a far side that never stops sends: a pattern over and over, one byte
// every IntervalMs from the moment it starts, on the test's clock. It does
// stop after MaxBytes, far beyond any limit of the code under test, so that a
// reader without a limit fails its test instead of hanging it.
class EndlessStream {
public:
    static constexpr qsizetype MaxBytes = 100000;

    void Start(const QByteArray& pattern, int intervalMs, int64_t nowMs)
    {
        pattern_ = pattern;
        intervalMs_ = intervalMs > 0 ? intervalMs : 1;
        nextMs_ = nowMs + intervalMs_;
        position_ = 0;
        sent_ = 0;
    }
    void Stop() { pattern_.clear(); }
    bool Running() const { return !pattern_.isEmpty(); }

    // When the next byte falls due; -1 when none will.
    int64_t NextDueMs() const { return Running() ? nextMs_ : -1; }

    // Appends the bytes due by nowMs.
    void TakeDue(int64_t nowMs, QByteArray& into)
    {
        while (Running() && nextMs_ <= nowMs) {
            if (++sent_ > MaxBytes) return Stop();
            into.append(pattern_.at(position_));
            position_ = (position_ + 1) % pattern_.size();
            nextMs_ += intervalMs_;
        }
    }

private:
    QByteArray pattern_;
    int intervalMs_ = 1;
    int64_t nextMs_ = 0;
    qsizetype position_ = 0;
    qsizetype sent_ = 0;
};
