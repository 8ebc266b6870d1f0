#include "SimFlow.h"

#include <algorithm>

void SimFlow::Start(int64_t nowMs, int intervalMs, std::string pattern)
{
    pattern_ = std::move(pattern);
    intervalMs_ = std::max(intervalMs, 1);
    nextMs_ = nowMs + intervalMs_;
    position_ = 0;
}

std::string SimFlow::Take(int64_t nowMs)
{
    std::string out;
    if (!Running() || nowMs < nextMs_) return out;
    int64_t due = (nowMs - nextMs_) / intervalMs_ + 1;
    nextMs_ += due * intervalMs_;
    due = std::min(due, MaxBacklog);
    out.reserve(size_t(due));
    for (int64_t i = 0; i < due; ++i) {
        out += pattern_[position_];
        position_ = (position_ + 1) % pattern_.size();
    }
    return out;
}
