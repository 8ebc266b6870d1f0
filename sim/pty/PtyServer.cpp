#include "PtyServer.h"

#include "SimModem.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <poll.h>
#include <stdexcept>
#include <sys/signalfd.h>
#include <unistd.h>
#include <utility>

namespace {

constexpr int64_t NoTimeout = -1;
// Without a watch on the slave, how often to look whether a host has opened it.
constexpr int64_t ReopenCheckUs = 50'000;
constexpr int64_t BitsPerByte = 10;  // start, 8 data, stop

int64_t steadyUs()
{
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

PtyServer::PtyServer(SimModem& modem, PtyLine& line, int signalFd, Options options)
    : modem_(modem), line_(line), signalFd_(signalFd), options_(std::move(options)), startUs_(steadyUs())
{
    if (!options_.logPath.empty()) {
        log_.open(options_.logPath, std::ios::app);
        if (!log_) throw std::runtime_error(options_.logPath + ": cannot be written");
    }
}

int64_t PtyServer::NowUs() const { return steadyUs() - startUs_; }

void PtyServer::Run()
{
    for (;;) {
        int64_t now = NowUs();
        modem_.Advance(now / 1000);
        DeliverIncoming(now);
        TakeOutput();
        SendPending(now);

        pollfd fds[3];
        nfds_t count = 0;
        fds[count++] = {signalFd_, POLLIN, 0};
        const int watchIndex = line_.WatchFd() >= 0 ? int(count) : -1;
        if (watchIndex >= 0) fds[count++] = {line_.WatchFd(), POLLIN, 0};
        // A master without a host reports a hang-up at every poll: leave it out then.
        const int masterIndex = line_.Connected() ? int(count) : -1;
        if (masterIndex >= 0) {
            const bool wantWrite = !pending_.empty() && (blocked_ || !options_.throttle);
            fds[count++] = {line_.MasterFd(), short(POLLIN | (wantWrite ? POLLOUT : 0)), 0};
        }
        const int64_t timeoutUs = TimeoutUs(now);
        timespec timeout{timeoutUs / 1'000'000, long(timeoutUs % 1'000'000) * 1000};
        const int ready = ppoll(fds, count, timeoutUs == NoTimeout ? nullptr : &timeout, nullptr);
        if (ready < 0) continue;  // EINTR

        now = NowUs();
        if ((fds[0].revents & POLLIN) && HandleSignals(now)) return;
        const bool watched = watchIndex >= 0 && fds[watchIndex].revents;
        const bool masterEvent = masterIndex >= 0 && fds[masterIndex].revents;
        if (watched || masterEvent || watchIndex < 0) Feed(line_.Service(), now);
        if (masterEvent && (fds[masterIndex].revents & POLLOUT)) blocked_ = false;
    }
}

void PtyServer::Feed(const std::string& received, int64_t nowUs)
{
    if (received.empty()) return;
    const int baud = line_.Baud();
    if (options_.throttle) {
        for (char c : received) incoming_.push_back({uint8_t(c), baud, nowUs});
        DeliverIncoming(nowUs);
        return;
    }
    for (char c : received) Receive(uint8_t(c), baud, nowUs);
}

void PtyServer::DeliverIncoming(int64_t nowUs)
{
    size_t delivered = 0;
    for (const Incoming& in : incoming_) {
        const int64_t doneUs = CompleteUs(in);
        if (doneUs > nowUs) break;
        inputFreeUs_ = doneUs;
        Receive(in.Byte, in.Baud, nowUs);
        ++delivered;
    }
    incoming_.erase(incoming_.begin(), incoming_.begin() + long(delivered));
}

int64_t PtyServer::CompleteUs(const Incoming& in) const
{
    return std::max(inputFreeUs_, in.ArrivedUs) + BitsPerByte * 1'000'000 / std::max(in.Baud, 50);
}

void PtyServer::Receive(uint8_t byte, int baud, int64_t nowUs)
{
    modem_.Receive(byte, baud, nowUs / 1000);
    if (!log_.is_open()) return;
    const auto& lines = modem_.Transcript();
    for (; logged_ < lines.size(); ++logged_) log_ << lines[logged_] << '\n';
    log_.flush();
}

void PtyServer::TakeOutput()
{
    std::string out = modem_.TakeOutput();
    if (!line_.Connected() || out.empty()) return;
    // A byte reaches the host only when its last bit has: after an idle spell the
    // first one is due a byte time from now.
    if (options_.throttle && pending_.empty())
        nextByteUs_ = std::max(nextByteUs_, NowUs() + BitsPerByte * 1'000'000 / std::max(line_.Baud(), 50));
    pending_ += out;
}

void PtyServer::SendPending(int64_t nowUs)
{
    if (!line_.Connected()) {
        pending_.clear();
        blocked_ = false;
        return;
    }
    if (pending_.empty() || blocked_) return;
    if (!options_.throttle) {
        const size_t sent = line_.Write(pending_.data(), pending_.size());
        pending_.erase(0, sent);
        blocked_ = !pending_.empty();
        return;
    }
    const int baud = std::max(line_.Baud(), 50);
    const int64_t byteUs = BitsPerByte * 1'000'000 / baud;
    while (!pending_.empty() && nextByteUs_ <= nowUs) {
        if (line_.Write(pending_.data(), 1) == 0) {
            blocked_ = true;
            return;
        }
        pending_.erase(0, 1);
        nextByteUs_ += byteUs;
    }
}

bool PtyServer::HandleSignals(int64_t nowUs)
{
    signalfd_siginfo info{};
    bool stop = false;
    while (read(signalFd_, &info, sizeof info) == ssize_t(sizeof info)) {
        if (info.ssi_signo == SIGUSR1)
            modem_.PowerCycle(nowUs / 1000);
        else
            stop = true;
    }
    return stop;
}

int64_t PtyServer::TimeoutUs(int64_t nowUs) const
{
    int64_t timeout = NoTimeout;
    auto atMost = [&timeout](int64_t us) { timeout = timeout == NoTimeout ? us : std::min(timeout, us); };
    const int64_t nextEventMs = modem_.NextEventMs();
    if (nextEventMs >= 0) atMost(std::max<int64_t>(0, nextEventMs * 1000 - nowUs));
    if (options_.throttle && !pending_.empty() && !blocked_ && line_.Connected())
        atMost(std::max<int64_t>(0, nextByteUs_ - nowUs));
    if (!incoming_.empty()) {
        atMost(std::max<int64_t>(0, CompleteUs(incoming_.front()) - nowUs));
    }
    if (line_.WatchFd() < 0 && !line_.Connected()) atMost(ReopenCheckUs);
    return timeout;
}
