// modemsim: a simulated modem on a pseudo-terminal. Prints the slave's path on
// its first line, then plays the modem until SIGTERM or SIGINT; SIGUSR1 power-
// cycles it.
#include "PtyLine.h"
#include "PtyServer.h"
#include "SimModem.h"
#include "SimProfile.h"

#include <csignal>
#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <string>
#include <sys/signalfd.h>
#include <vector>

namespace {

const char Usage[] =
    "usage: modemsim [PROFILE] [--dump FILE] [--throttle] [--fault NAME[=VALUE]]... [--log FILE]";

struct Arguments {
    SimProfile profile = SimProfile::Default();
    std::string dumpPath;
    PtyServer::Options server;
};

Arguments parseArguments(const std::vector<std::string>& args)
{
    Arguments result;
    std::string profilePath;
    std::vector<std::string> faults;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size()) throw std::runtime_error(arg + " needs a value");
            return args[++i];
        };
        if (arg == "--dump")
            result.dumpPath = value();
        else if (arg == "--log")
            result.server.logPath = value();
        else if (arg == "--throttle")
            result.server.throttle = true;
        else if (arg == "--fault")
            faults.push_back(value());
        else if (arg.rfind("-", 0) == 0 || !profilePath.empty())
            throw std::runtime_error("unexpected argument \"" + arg + "\"");
        else
            profilePath = arg;
    }
    if (!profilePath.empty()) result.profile = SimProfile::Load(profilePath);
    for (const std::string& fault : faults) {
        const auto equals = fault.find('=');
        // A switch named alone is turned on.
        const std::string name = fault.substr(0, equals);
        const std::string setting = equals == std::string::npos ? "true" : fault.substr(equals + 1);
        try {
            result.profile.SetFault(name, setting);
        } catch (const std::runtime_error& e) {
            throw std::runtime_error("--fault " + fault + ": " + e.what());
        }
    }
    return result;
}

int signalFd()
{
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGUSR1);
    sigaddset(&signals, SIGTERM);
    sigaddset(&signals, SIGINT);
    if (sigprocmask(SIG_BLOCK, &signals, nullptr) != 0) return -1;
    return signalfd(-1, &signals, SFD_NONBLOCK | SFD_CLOEXEC);
}

void dump(const SimModem& modem, const std::string& path)
{
    std::ofstream out(path, std::ios::trunc);
    out << "# modemsim memory dump\n" << modem.Snapshot().ToText();
    if (!out.flush()) throw std::runtime_error(path + ": cannot be written");
}

}  // namespace

int main(int argc, char** argv)
{
    try {
        const Arguments arguments = parseArguments(std::vector<std::string>(argv + 1, argv + argc));
        // Signals wait in the descriptor from the start: none may kill us before the loop.
        const int signals = signalFd();
        if (signals < 0) throw std::runtime_error("cannot take signals");
        SimModem modem(arguments.profile);
        PtyLine line;
        PtyServer server(modem, line, signals, arguments.server);
        std::printf("%s\n", line.SlavePath().c_str());
        std::fflush(stdout);
        server.Run();
        if (!arguments.dumpPath.empty()) dump(modem, arguments.dumpPath);
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "modemsim: %s\n%s\n", e.what(), Usage);
        return 2;
    }
}
