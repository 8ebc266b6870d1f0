#pragma once

#include <cstdint>
#include <string>

// Output that comes by itself at a steady rate, whatever the host does: a
// pattern over and over, one byte every interval, for as long as it runs.
class SimFlow {
public:
    // A host that has not listened for a long time finds only this much of it,
    // as a port's receive buffer would hold.
    static constexpr int64_t MaxBacklog = 4096;

    // The first byte falls due one interval after nowMs.
    void Start(int64_t nowMs, int intervalMs, std::string pattern);
    void Stop() { pattern_.clear(); }
    bool Running() const { return !pattern_.empty(); }

    // When the next byte falls due; -1 while stopped.
    int64_t NextMs() const { return Running() ? nextMs_ : -1; }

    // The bytes due by nowMs.
    std::string Take(int64_t nowMs);

private:
    std::string pattern_;
    int64_t intervalMs_ = 1;
    int64_t nextMs_ = 0;
    size_t position_ = 0;
};
