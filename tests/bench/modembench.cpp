// A full read and a full write of whole modems through the control, against
// modemsim at the real line rates. For each it prints the wall time, the protocol
// floor (the waits the protocol mandates plus the wire time of every byte at its
// line rate), their ratio, and CPU time as a share of wall time.
// Run by hand: build/bin/modembench
#include "FloorMeasure.h"
#include "ModemSetting.h"
#include "ScriptedPrompt.h"
#include "SimProcess.h"
#include "SystemClock.h"
#include "VellModem.h"
#include "WaitView.h"

#include <QApplication>
#include <cstdio>

namespace {

class NoWait : public WaitView {
public:
    bool ShowModal(SerialPort&) override { return true; }
};

void print(const char* model, const char* what, const FloorMeasure& m)
{
    std::printf("%-26s %-6s wall %7.0f ms  floor %7.0f ms  wall/floor %.3f  cpu %.1f %% of wall\n", model, what,
                m.wallMs, m.floorMs, m.Ratio(), 100.0 * m.cpuShare);
}

void run(const char* model, const QString& profile)
{
    SimProcess sim({profile, QStringLiteral("--throttle")});
    CountingClock clock;
    CountingPort port;
    port.SetDevicePath(sim.DevicePath());
    ScriptedPrompt prompt;
    NoWait wait;
    VellModem::Seams seams;
    seams.clock = &clock;
    seams.port = &port;
    seams.prompt = &prompt;
    seams.wait = &wait;
    VellModem control(seams);
    control.setDatabase(QCoreApplication::applicationDirPath() + QStringLiteral("/Modem.mdb"));

    ModemSetting setting;
    const FloorMeasure read = FloorMeasure::Of(clock, port, [&] {
        int16_t type = 0, tx = 0, rx = 0;
        control.CreatModem(type, tx, rx);
        control.ReadModemSetting(setting);
    });
    if (!control.Working()) {
        std::printf("%s: the read failed: %s\n", model, prompt.Texts().join(" | ").toLocal8Bit().constData());
        return;
    }
    print(model, "read", read);
    bool needPassword = false;
    const FloorMeasure write = FloorMeasure::Of(clock, port, [&] { control.WriteModemSetting(setting, needPassword); });
    if (!control.DriverWorking()) {
        std::printf("%s: the write failed: %s\n", model, prompt.Texts().join(" | ").toLocal8Bit().constData());
        return;
    }
    print(model, "write", write);
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    run("built-in (type 6)", QStringLiteral(SIM_PROFILES_DIR "/builtin-high.profile"));
    run("external full duplex", QStringLiteral(SIM_PROFILES_DIR "/lumbrel-fdx.profile"));
    return 0;
}
