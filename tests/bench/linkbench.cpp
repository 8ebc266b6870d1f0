// Reads the whole configuration memory location by location from modemsim over a
// pseudo-terminal and prints how much CPU the library used against wall time.
// Run by hand: build/bin/linkbench
#include "CpuTime.h"
#include "DeviceFixture.h"

#include <QCoreApplication>
#include <cstdio>

namespace {


void run(const char* name, const QStringList& simArguments)
{
    DeviceFixture f(simArguments);
    if (!f.Connect()) {
        std::printf("%s: the simulated modem did not answer\n", name);
        return;
    }
    constexpr int first = 0x80, last = 0xFF;
    const double cpuStart = CpuSeconds();
    const int64_t wallStart = f.clock.NowMs();
    for (int address = first; address <= last; ++address) f.commands.ReadLocation(address, 1, f.port);
    const double wall = (f.clock.NowMs() - wallStart) / 1000.0;
    const double cpu = CpuSeconds() - cpuStart;
    std::printf("%-22s %3d locations  wall %.3f s  cpu %.3f s  cpu/wall %.1f %%\n", name, last - first + 1, wall,
                cpu, wall > 0 ? 100.0 * cpu / wall : 0.0);
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    run("unthrottled", {});
    run("throttled (line rate)", {"--throttle"});
    return 0;
}
