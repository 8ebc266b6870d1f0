#include "ToolProbeRun.h"

#include <QDir>
#include <QFile>

#include <cmath>

namespace {

QStringList simArgs(const QTemporaryDir& dir, const QString& profile, const QStringList& more)
{
    // A path names a profile of the tests' own; a bare name one of sim/profiles.
    const QString path = profile.endsWith(QLatin1String(".profile"))
                             ? profile
                             : QStringLiteral(SIM_PROFILES_DIR "/") + profile + QStringLiteral(".profile");
    return QStringList{path,
                       QStringLiteral("--log"), dir.filePath(QStringLiteral("sim.log")), QStringLiteral("--dump"),
                       dir.filePath(QStringLiteral("sim.dump"))} +
           more;
}

}  // namespace

ToolProbeRun::ToolProbeRun(const QString& profile, const QStringList& simArguments)
    : sim_(simArgs(dir_, profile, simArguments))
{
}

bool ToolProbeRun::Probe(const QStringList& steps, const QString& dataDir,
                         const std::vector<ProgramProbe::Trigger>& triggers)
{
    const QStringList data = dataDir.isEmpty() ? QStringList() : QStringList{QStringLiteral("--data"), dataDir};
    result_ = probe_.Run(data + QStringList{QStringLiteral("port"), Device()} + steps, triggers);
    return result_.ended;
}

QStringList ToolProbeRun::Log() const
{
    QFile file(dir_.filePath(QStringLiteral("sim.log")));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromLatin1(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

std::vector<std::vector<uint8_t>> ToolProbeRun::TxFrames() const
{
    std::vector<std::vector<uint8_t>> frames;
    const QString prefix = QStringLiteral("radio.tx ");
    for (const QString& line : Log()) {
        if (!line.startsWith(prefix)) continue;
        std::vector<uint8_t> frame;
        for (const QString& byte : line.mid(prefix.size()).split(QLatin1Char(' '), Qt::SkipEmptyParts))
            frame.push_back(uint8_t(byte.toUInt(nullptr, 16)));
        frames.push_back(frame);
    }
    return frames;
}

SimProfile ToolProbeRun::Stop()
{
    sim_.Stop();
    return SimProfile::Load(dir_.filePath(QStringLiteral("sim.dump")).toStdString());
}

QStringList PowerSteps(const std::vector<std::vector<uint8_t>>& frames)
{
    QStringList steps;
    for (const auto& f : frames) {
        if (f.size() == 14 && f[0] == 0x03) steps << QStringLiteral("tune");
        else if (f.size() == 5 && f[0] == 0x03) steps << ((f[2] & 0x02) ? QStringLiteral("off") : QStringLiteral("on"));
        else if (f.size() == 3 && f[0] == 0x09 && f[1] == 0x03) steps << QStringLiteral("power %1").arg(f[2]);
        else steps << QStringLiteral("frame %1").arg(f.empty() ? -1 : f[0]);
    }
    return steps;
}

int LumbrelPowerByte(int milliwatts) { return int(std::nearbyint(std::sqrt(milliwatts * 4.6) - 5.2)); }
