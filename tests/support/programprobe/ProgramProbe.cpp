#include "ProgramProbe.h"

#include "SimProcess.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSettings>

#include <csignal>
#include <pthread.h>
#include <unistd.h>

#ifndef PROGRAMPROBE_PATH
#error "PROGRAMPROBE_PATH must name the programprobe executable"
#endif

namespace {

constexpr int RunLimitMs = 100000;

// A dump's first and last fields.
const QString DumpFirst = QStringLiteral("ModemType=");
const QString DumpLast = QStringLiteral("RecentFiles4=");

QString unescaped(QString text) { return text.replace(QLatin1String("\\n"), "\n").replace(QLatin1String("\\r"), "\r"); }

}  // namespace

QString ProgramProbe::Result::Value(const QString& name) const
{
    const QStringList all = Values(name);
    return all.isEmpty() ? QString() : all.last();
}

QStringList ProgramProbe::Result::Values(const QString& name) const
{
    QStringList values;
    const QString prefix = name + '=';
    for (const QString& line : lines)
        if (line.startsWith(prefix)) values << line.mid(prefix.size());
    return values;
}

bool ProgramProbe::Result::ShownEnabled(const QString& name) const
{
    return Printed(name) && Value(name + QStringLiteral(".Enabled")) != QLatin1String("False");
}

QStringList ProgramProbe::Result::ErrorLines(const QString& prefix) const
{
    QStringList found;
    for (const QString& line : errors.split('\n', Qt::SkipEmptyParts))
        if (line.startsWith(prefix)) found << line;
    return found;
}

ProgramProbe::Result ProgramProbe::Result::Shown(const QString& window, int index) const
{
    Result section;
    const QString header = window + '=';
    int seen = -1;
    for (const QString& line : lines) {
        const bool dump = line.startsWith(DumpFirst);
        if (line.startsWith(header) && !dump) ++seen;
        else if (seen == index && dump) break;
        if (seen == index) section.lines << line;
        if (seen > index) break;
    }
    return section;
}

ProgramProbe::Result ProgramProbe::Result::Dumped(int index) const
{
    Result section;
    int seen = -1;
    for (const QString& line : lines) {
        if (line.startsWith(DumpFirst)) ++seen;
        if (seen == index) section.lines << line;
        if (seen == index && line.startsWith(DumpLast)) break;
    }
    return section;
}

ProgramProbe::ProgramProbe() = default;

ProgramProbe::Trigger ProgramProbe::PowerUpWhenAsked(const SimProcess& sim, int occurrence)
{
    return {QStringLiteral("WAITWINDOW"), [&sim](qint64) { sim.PowerCycle(); }, occurrence};
}

QStringList ProgramProbe::OpenFiles(qint64 pid)
{
    QStringList files;
    const QDir fds(QStringLiteral("/proc/%1/fd").arg(pid));
    for (const QFileInfo& fd : fds.entryInfoList(QDir::Files | QDir::System | QDir::NoDotAndDotDot))
        files << fd.symLinkTarget();
    return files;
}

void ProgramProbe::MapPort(int number, const QString& device) const
{
    QSettings settings(config_.filePath(QStringLiteral("ZenvoProgrammer/ZenvoProgrammer.conf")), QSettings::IniFormat);
    settings.setValue(QStringLiteral("Ports/Port%1").arg(number), device);
}

void ProgramProbe::SetLockFolder(const QString& folder) const
{
    QSettings settings(config_.filePath(QStringLiteral("ZenvoProgrammer/ZenvoProgrammer.conf")), QSettings::IniFormat);
    settings.setValue(QStringLiteral("Ports/LockFolder"), folder);
}

QString ProgramProbe::Setting(const QString& key) const
{
    QSettings settings(config_.filePath(QStringLiteral("ZenvoProgrammer/ZenvoProgrammer.conf")), QSettings::IniFormat);
    return settings.value(key).toString();
}

ProgramProbe::Result ProgramProbe::Run(const QStringList& steps, const std::vector<Trigger>& triggers) const
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config_.path());
    // The record of unfinished writes stays with the runs of this harness.
    environment.insert(QStringLiteral("XDG_STATE_HOME"), config_.path() + QStringLiteral("/state"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(environment_);
    process.setProcessEnvironment(environment);
    // Started as from a terminal: the ending signals reach it, whatever the test
    // runner ignores or blocks, and in a process group of its own, which Ctrl+Z
    // can stop however the tests were started (the system discards a stop signal
    // to a group that no shell looks after).
    process.setChildProcessModifier([] {
        ::setpgid(0, 0);
        sigset_t none;
        sigemptyset(&none);
        pthread_sigmask(SIG_SETMASK, &none, nullptr);
        for (int signal : {SIGTERM, SIGHUP, SIGINT, SIGQUIT, SIGTSTP}) std::signal(signal, SIG_DFL);
    });
    process.start(QStringLiteral(PROGRAMPROBE_PATH), steps);

    Result result;
    if (!process.waitForStarted()) return result;
    QByteArray out, err;
    std::vector<bool> fired(triggers.size(), false);
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        const bool finished = process.waitForFinished(20) || process.state() == QProcess::NotRunning;
        out += process.readAllStandardOutput();
        err += process.readAllStandardError();
        for (size_t i = 0; i < triggers.size(); ++i) {
            if (fired[i]) continue;
            const QByteArray marker = triggers[i].marker.toUtf8();
            if (out.count(marker) + err.count(marker) < triggers[i].occurrence) continue;
            if (triggers[i].ready && !triggers[i].ready()) continue;
            fired[i] = true;
            triggers[i].action(process.processId());
        }
        if (finished) break;
        if (clock.elapsed() > RunLimitMs) {
            process.kill();
            process.waitForFinished();
            result.errors = QString::fromLocal8Bit(err) + QStringLiteral("\n(killed: the steps did not end)");
            return result;
        }
    }

    result.ended = true;
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.output = QString::fromUtf8(out);
    result.lines = result.output.split('\n', Qt::SkipEmptyParts);
    result.errors = QString::fromLocal8Bit(err);
    for (const QString& line : result.errors.split('\n', Qt::SkipEmptyParts)) {
        if (line == QLatin1String("WAITWINDOW")) result.waitWindow = true;
        if (!line.startsWith(QLatin1String("MSGBOX title="))) continue;
        const QString rest = line.mid(13);
        const qsizetype text = rest.indexOf(QLatin1String(" text="));
        result.boxes << rest.left(text) + '|' + unescaped(rest.mid(text + 6));
    }
    return result;
}
