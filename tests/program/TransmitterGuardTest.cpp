// However the process ends under the windows while the transmitter may be
// keyed (exit() as Qt's X11 plugin calls it when the display goes, a fatal Qt
// message, std::terminate), the release runs before the process goes; once
// disarmed, nothing runs. Each end happens in a child process of its own.
#include "TransmitterGuard.h"

#include <QtGlobal>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <exception>
#include <fcntl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

struct Ending {
    const char* name;
    void (*end)();
    bool armed;
};
void PrintTo(const Ending& e, std::ostream* out) { *out << e.name; }

// What the release wrote, and whether the child ended within the time.
struct Outcome {
    std::string released;
    bool ended = false;
};

Outcome endChild(const Ending& ending)
{
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) return {};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(fds[0]);
        const int out = fds[1];
        TransmitterGuard::Arm([out] { [[maybe_unused]] const ssize_t n = ::write(out, "released", 8); });
        if (!ending.armed) TransmitterGuard::Disarm();
        ending.end();
        ::_exit(99);
    }
    ::close(fds[1]);
    Outcome outcome;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    int status = 0;
    while (std::chrono::steady_clock::now() < deadline) {
        if (::waitpid(child, &status, WNOHANG) == child) {
            outcome.ended = true;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (!outcome.ended) {
        ::kill(child, SIGKILL);
        ::waitpid(child, &status, 0);
    }
    char text[32];
    const ssize_t n = ::read(fds[0], text, sizeof text);
    if (n > 0) outcome.released.assign(text, size_t(n));
    ::close(fds[0]);
    return outcome;
}

class TransmitterGuardTest : public ::testing::TestWithParam<Ending> {};

TEST_P(TransmitterGuardTest, TheReleaseRunsOnlyWhileArmed)
{
    const Outcome outcome = endChild(GetParam());
    EXPECT_TRUE(outcome.ended);
    EXPECT_EQ(outcome.released, GetParam().armed ? "released" : "");
}

const Ending endings[] = {
    {"ExitArmed", [] { std::exit(1); }, true},
    {"FatalArmed", [] { qFatal("the end"); }, true},
    {"TerminateArmed", [] { std::terminate(); }, true},
    {"ExitDisarmed", [] { std::exit(1); }, false},
    {"FatalDisarmed", [] { qFatal("the end"); }, false},
};

INSTANTIATE_TEST_SUITE_P(Ways, TransmitterGuardTest, ::testing::ValuesIn(endings),
                         [](const ::testing::TestParamInfo<Ending>& info) { return std::string(info.param.name); });

}  // namespace
