// The program's own figures. Run by hand: build/bin/programbench
//  - start-up: programprobe (the program's start-up without the splash wait and
//    the warning) with Port1..Port16 mapped to pseudo-terminals, timed from its
//    start to the first line of its first step, the main window being shown by then;
//  - a Read through the main window against modemsim at the real line rates: wall
//    time, the protocol floor of the same read (the waits the protocol mandates
//    plus the wire time of every byte, counted as modembench counts them), their
//    ratio and CPU time as a share of wall; the control's read alone beside it;
//  - the same Read in programprobe's own process: wall time, CPU share, and the
//    resident memory (VmRSS, VmHWM) after it.
#include "FloorMeasure.h"
#include "MainForm.h"
#include "ModemSetting.h"
#include "ProgramSeams.h"
#include "ScriptedPrompt.h"
#include "SimProcess.h"
#include "StartModule.h"
#include "VellModem.h"
#include "WaitView.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <unistd.h>
#include <vector>

namespace {

const QString ProbePath = QStringLiteral(PROGRAMPROBE_PATH);
const int StartRuns = 20;

class NoWait : public WaitView {
public:
    bool ShowModal(SerialPort&) override { return true; }
};

// Pseudo-terminals held open by this process: their slave paths.
QStringList openTerminals(int count, std::vector<int>& masters)
{
    QStringList paths;
    for (int i = 0; i < count; ++i) {
        const int fd = posix_openpt(O_RDWR | O_NOCTTY);
        if (fd < 0 || grantpt(fd) != 0 || unlockpt(fd) != 0) break;
        masters.push_back(fd);
        paths << QString::fromLocal8Bit(ptsname(fd));
    }
    return paths;
}

QProcessEnvironment probeEnvironment(const QTemporaryDir& config)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return environment;
}

void mapPorts(const QTemporaryDir& config, const QStringList& devices)
{
    QSettings settings(config.filePath(QStringLiteral("ZenvoProgrammer/ZenvoProgrammer.conf")), QSettings::IniFormat);
    for (int n = 1; n <= devices.size(); ++n) settings.setValue(QStringLiteral("Ports/Port%1").arg(n), devices[n - 1]);
}

// Waits until the probe has printed marker on stdout; false when it ended first.
bool waitForLine(QProcess& process, QByteArray& out, const QByteArray& marker)
{
    while (!out.contains(marker)) {
        if (!process.waitForReadyRead(30000)) return false;
        out += process.readAllStandardOutput();
    }
    return true;
}

void startUp()
{
    std::vector<int> masters;
    const QStringList devices = openTerminals(16, masters);
    QTemporaryDir config;
    mapPorts(config, devices);
    std::vector<double> ms;
    for (int run = 0; run < StartRuns; ++run) {
        QProcess process;
        process.setProcessEnvironment(probeEnvironment(config));
        QElapsedTimer timer;
        timer.start();
        process.start(ProbePath, {QStringLiteral("show"), QStringLiteral("StatusBar1(1)")});
        QByteArray out;
        if (!waitForLine(process, out, "StatusBar1(1)=")) {
            std::printf("start-up: programprobe printed nothing: %s\n", process.readAllStandardError().constData());
            return;
        }
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
        process.waitForFinished();
    }
    for (int fd : masters) ::close(fd);
    const double first = ms.front();
    std::sort(ms.begin(), ms.end());
    std::printf("start-up to main window, %lld ports mapped, %d runs: median %.0f ms  min %.0f ms  max %.0f ms  "
                "(first run %.0f ms)\n",
                static_cast<long long>(devices.size()), StartRuns, ms[ms.size() / 2], ms.front(), ms.back(), first);
}

void print(const char* model, const char* what, const FloorMeasure& m)
{
    std::printf("%-22s %-19s wall %6.0f ms  floor %6.0f ms  wall/floor %.3f  cpu %.1f %% of wall\n", model, what,
                m.wallMs, m.floorMs, m.Ratio(), 100.0 * m.cpuShare);
}

void programRead(const char* model, const QString& profile)
{
    SimProcess sim({profile, QStringLiteral("--throttle")});
    CountingClock clock;
    CountingPort port;
    port.SetDevicePath(sim.DevicePath());
    ScriptedPrompt prompt;
    NoWait wait;
    ProgramSeams seams;
    seams.clock = &clock;
    seams.prompt = &prompt;
    seams.wait = &wait;
    seams.port = &port;
    seams.dataDir = QCoreApplication::applicationDirPath();
    seams.end = [](int) {};
    std::unique_ptr<MainForm> form(StartModule::LoadMainForm(seams));
    if (!form) {
        std::printf("%s: the main window did not load\n", model);
        return;
    }
    form->show();
    QCoreApplication::processEvents();
    const FloorMeasure read = FloorMeasure::Of(clock, port, [&] { form->Menu_Read->trigger(); });
    if (!form->VellModem1->Working() || !prompt.Texts().isEmpty()) {
        std::printf("%s: the read failed: %s\n", model, prompt.Texts().join(" | ").toLocal8Bit().constData());
        return;
    }
    print(model, "Read (window)", read);
}

void controlRead(const char* model, const QString& profile)
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
        std::printf("%s: the control's read failed\n", model);
        return;
    }
    print(model, "control alone", read);
}

// CPU seconds a process has used so far (user plus system), from /proc.
double processCpuSeconds(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) return 0;
    const QByteArray text = stat.readAll();
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    // After the name: state is field 3, utime 14 and stime 15.
    const double ticks = fields.value(11).toDouble() + fields.value(12).toDouble();
    return ticks / double(sysconf(_SC_CLK_TCK));
}

QString memoryLine(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) return {};
    QStringList parts;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:") || line.startsWith("VmHWM:")) parts << QString::fromLatin1(line.simplified());
    return parts.join(QStringLiteral("  "));
}

void probeRead(const char* model, const QString& profile)
{
    SimProcess sim({profile, QStringLiteral("--throttle")});
    QTemporaryDir config;
    QProcess process;
    process.setProcessEnvironment(probeEnvironment(config));
    process.start(ProbePath, {"port", sim.DevicePath(), "show", "StatusBar1(1)", "read", "show", "StatusBar1(2)",
                              "wait", "1"});
    QByteArray out;
    if (!waitForLine(process, out, "StatusBar1(1)=")) return;
    QElapsedTimer timer;
    timer.start();
    const double cpuStart = processCpuSeconds(process.processId());
    if (!waitForLine(process, out, "StatusBar1(2)=")) return;
    const double wall = double(timer.elapsed());
    const double cpu = (processCpuSeconds(process.processId()) - cpuStart) * 1000.0;
    const QString memory = memoryLine(process.processId());
    process.waitForFinished();
    if (!out.contains("StatusBar1(2)=Serial Number:")) {
        std::printf("%s: programprobe's read failed: %s\n", model, process.readAllStandardError().constData());
        return;
    }
    std::printf("%-22s %-19s wall %6.0f ms  cpu %.1f %% of wall  after it: %s\n", model, "Read (programprobe)", wall,
                wall > 0 ? 100.0 * cpu / wall : 0, memory.toLocal8Bit().constData());
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The in-process window reads its ports and settings from a folder of its own.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());

    std::printf("aims: start-up under 300 ms; a Read within 1.10 x its floor at under 5 %% CPU\n");
    startUp();
    const std::pair<const char*, QString> models[] = {
        {"built-in (type 6)", QStringLiteral(SIM_PROFILES_DIR "/builtin-high.profile")},
        {"external full duplex", QStringLiteral(SIM_PROFILES_DIR "/lumbrel-fdx.profile")},
    };
    for (const auto& [model, profile] : models) {
        programRead(model, profile);
        controlRead(model, profile);
        probeRead(model, profile);
    }
    std::printf("this process after its reads: %s\n", memoryLine(QCoreApplication::applicationPid()).toLocal8Bit().constData());
    return 0;
}
