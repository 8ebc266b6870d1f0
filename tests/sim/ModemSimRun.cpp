#include "ModemSimRun.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <sstream>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

namespace {

speed_t speedCode(int baud)
{
    switch (baud) {
    case 1200: return B1200;
    case 4800: return B4800;
    case 19200: return B19200;
    default: return B9600;
    }
}

int64_t nowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

ModemSimRun::ModemSimRun(const std::vector<std::string>& arguments)
{
    int out[2], err[2];
    if (pipe(out) != 0 || pipe(err) != 0) return;
    std::vector<std::string> args{MODEMSIM_PATH};
    args.insert(args.end(), arguments.begin(), arguments.end());
    pid_ = fork();
    if (pid_ == 0) {
        dup2(out[1], STDOUT_FILENO);
        dup2(err[1], STDERR_FILENO);
        close(out[0]);
        close(out[1]);
        close(err[0]);
        close(err[1]);
        std::vector<char*> argv;
        for (std::string& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(out[1]);
    close(err[1]);
    errFd_ = err[0];
    char c;
    while (read(out[0], &c, 1) == 1 && c != '\n') path_ += c;
    close(out[0]);
}

ModemSimRun::~ModemSimRun()
{
    Close();
    Stop();
    if (errFd_ >= 0) close(errFd_);
}

bool ModemSimRun::Open(int baud)
{
    Close();
    slave_ = open(path_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (slave_ < 0) return false;
    SetBaud(baud);
    return true;
}

void ModemSimRun::SetBaud(int baud)
{
    termios t{};
    tcgetattr(slave_, &t);
    cfmakeraw(&t);
    t.c_cflag |= CLOCAL | CREAD;
    cfsetispeed(&t, speedCode(baud));
    cfsetospeed(&t, speedCode(baud));
    tcsetattr(slave_, TCSANOW, &t);
}

void ModemSimRun::Close()
{
    if (slave_ >= 0) close(slave_);
    slave_ = -1;
}

void ModemSimRun::Write(const std::string& bytes)
{
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(slave_, bytes.data() + done, bytes.size() - done);
        if (n <= 0) {
            pollfd p{slave_, POLLOUT, 0};
            if (poll(&p, 1, 1000) <= 0) return;
            continue;
        }
        done += size_t(n);
    }
    tcdrain(slave_);
}

std::string ModemSimRun::ReadFor(int ms)
{
    std::string got;
    const int64_t deadline = nowMs() + ms;
    for (int64_t left = ms; left > 0; left = deadline - nowMs()) {
        pollfd p{slave_, POLLIN, 0};
        if (poll(&p, 1, int(left)) <= 0) continue;
        char buffer[256];
        const ssize_t n = read(slave_, buffer, sizeof buffer);
        if (n > 0) got.append(buffer, size_t(n));
    }
    return got;
}

std::string ModemSimRun::ReadUntil(char terminator, int timeoutMs)
{
    std::string got;
    const int64_t deadline = nowMs() + timeoutMs;
    for (int64_t left = timeoutMs; left > 0; left = deadline - nowMs()) {
        pollfd p{slave_, POLLIN, 0};
        if (poll(&p, 1, int(left)) <= 0) continue;
        char c;
        while (read(slave_, &c, 1) == 1) {
            got += c;
            if (c == terminator) return got;
        }
    }
    return got;
}

std::string ModemSimRun::ReadCount(size_t count, int timeoutMs)
{
    std::string got;
    const int64_t deadline = nowMs() + timeoutMs;
    for (int64_t left = timeoutMs; left > 0 && got.size() < count; left = deadline - nowMs()) {
        pollfd p{slave_, POLLIN, 0};
        if (poll(&p, 1, int(left)) <= 0) continue;
        char buffer[256];
        const ssize_t n = read(slave_, buffer, std::min(sizeof buffer, count - got.size()));
        if (n > 0) got.append(buffer, size_t(n));
    }
    return got;
}

void ModemSimRun::Signal(int signal) const
{
    if (pid_ > 0) kill(pid_, signal);
}

int ModemSimRun::Stop()
{
    if (pid_ <= 0) return -1;
    kill(pid_, SIGTERM);
    return Wait();
}

int ModemSimRun::Wait()
{
    if (pid_ <= 0) return -1;
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
    char buffer[512];
    ssize_t n;
    while (errFd_ >= 0 && (n = read(errFd_, buffer, sizeof buffer)) > 0) errors_.append(buffer, size_t(n));
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

long ModemSimRun::CpuTicks() const
{
    std::ifstream stat("/proc/" + std::to_string(pid_) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    // Fields after the parenthesised name: state is field 3, utime 14, stime 15.
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string field;
    long utime = 0, stime = 0;
    for (int i = 3; fields >> field; ++i) {
        if (i == 14) utime = std::stol(field);
        if (i == 15) {
            stime = std::stol(field);
            break;
        }
    }
    return utime + stime;
}
