// The power test's transmitter guard. Started by the control once the transmit
// radio may be keyed, with a copy of the serial port (descriptor 3, on the radio
// link) and a socket from the program (descriptor 4). The program writes 'S' once
// the test has stopped; when the socket closes without it, however the program
// ended, the frames given as hexadecimal arguments go out on the radio link, each
// byte's echo awaited, as the program's own stop sends them.
//
// No library beyond the C one, nothing that allocates: system calls only.
#include <cerrno>
#include <csignal>
#include <ctime>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {

constexpr int Port = 3;
constexpr int Program = 4;
constexpr char Stopped = 'S';
constexpr unsigned char Esc = 0x1B;
constexpr unsigned char Cr = 0x0D;
constexpr int EchoMs = 1000;
constexpr int ReplyMs = 1500;

long long nowMs()
{
    timespec t{};
    ::clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000LL + t.tv_nsec / 1000000;
}

// A byte of the port within ms, or -1.
int readByte(int ms)
{
    const long long deadline = nowMs() + ms;
    for (;;) {
        unsigned char b = 0;
        const ssize_t n = ::read(Port, &b, 1);
        if (n == 1) return b;
        if (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR)) return -1;
        const long long left = deadline - nowMs();
        if (left <= 0) return -1;
        pollfd in{Port, POLLIN, 0};
        ::poll(&in, 1, int(left));
    }
}

bool writeByte(unsigned char b)
{
    for (;;) {
        const ssize_t n = ::write(Port, &b, 1);
        if (n == 1) return true;
        if (n < 0 && errno != EAGAIN && errno != EINTR) return false;
        pollfd out{Port, POLLOUT, 0};
        if (::poll(&out, 1, EchoMs) == 0) return false;
    }
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

void sendFrame(const char* hex)
{
    for (; hex[0] && hex[1]; hex += 2) {
        const int high = hexDigit(hex[0]);
        const int low = hexDigit(hex[1]);
        if (high < 0 || low < 0) return;
        const unsigned char b = static_cast<unsigned char>(high * 16 + low);
        if (!writeByte(b)) return;
        // The radio echoes each byte, and answers ESC with ESC CR. A byte that is
        // not echoed is sent on regardless: the radio may still take the frame.
        const int echo = readByte(EchoMs);
        if (b == Esc && echo == Esc) readByte(EchoMs);
    }
    // The radio's reply, up to its CR.
    const long long deadline = nowMs() + ReplyMs;
    for (long long left = ReplyMs; left > 0; left = deadline - nowMs())
        if (readByte(int(left)) == Cr) break;
}

}  // namespace

int main(int argc, char** argv)
{
    // Only the socket's end may set it off.
    const int ignored[] = {SIGHUP, SIGINT, SIGQUIT, SIGTERM, SIGPIPE, SIGTSTP, SIGTTIN, SIGTTOU};
    for (int s : ignored) ::signal(s, SIG_IGN);

    // The line as the test has it: the program may have taken it elsewhere by the
    // time the guard acts, or given it back to what it was.
    termios line{};
    const bool haveLine = ::tcgetattr(Port, &line) == 0;
    int levels = 0;
    const bool haveLevels = ::ioctl(Port, TIOCMGET, &levels) == 0;

    // Nothing else of the program's is held open here.
    ::close_range(Program + 1, ~0U, 0);

    char word = 0;
    ssize_t n;
    do n = ::read(Program, &word, 1);
    while (n < 0 && errno == EINTR);
    if (n == 1 && word == Stopped) return 0;

    if (haveLine) ::tcsetattr(Port, TCSANOW, &line);
    if (haveLevels) ::ioctl(Port, TIOCMSET, &levels);
    // What the program's last exchange left unread is not an echo of ours.
    ::tcflush(Port, TCIFLUSH);
    for (int i = 1; i < argc; ++i) sendFrame(argv[i]);
    ::tcdrain(Port);
    return 0;
}
