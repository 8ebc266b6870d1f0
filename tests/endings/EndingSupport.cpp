#include "EndingSupport.h"

#include <QFile>

#include <csignal>
#include <gtest/gtest.h>

const EndingSignal EndingSignals[4] = {
    {"SIGTERM", SIGTERM}, {"SIGHUP", SIGHUP}, {"SIGINT", SIGINT}, {"SIGQUIT", SIGQUIT}};

void PrintTo(const EndingSignal& signal, std::ostream* out) { *out << signal.name; }

std::string SignalName(const ::testing::TestParamInfo<EndingSignal>& info) { return info.param.name; }

ProgramProbe::Trigger SignalSender::At(const QString& marker, std::function<bool()> ready)
{
    return {marker,
            [this](qint64 pid) {
                timer_.start();
                ::kill(pid_t(pid), number_);
            },
            1, std::move(ready)};
}

QString ProcessState(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) return QString();
    const QByteArray line = stat.readAll();
    // The name in parentheses may hold blanks: the state follows its last ")".
    const qsizetype close = line.lastIndexOf(')');
    return close < 0 ? QString() : QString::fromLatin1(line.mid(close + 2, 1));
}

QStringList LinesStarting(const QStringList& log, const QString& prefix)
{
    QStringList found;
    for (const QString& line : log)
        if (line.startsWith(prefix)) found << line;
    return found;
}

VirtualDisplay::VirtualDisplay()
{
    // The server picks a free display and writes its number on stdout.
    server_.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-nolisten"),
                                           QStringLiteral("tcp"), QStringLiteral("-screen"), QStringLiteral("0"),
                                           QStringLiteral("1024x768x24")});
    if (!server_.waitForStarted(5000)) return;
    QByteArray number;
    while (!number.contains('\n') && server_.waitForReadyRead(10000)) number += server_.readAllStandardOutput();
    if (!number.trimmed().isEmpty()) name_ = QLatin1Char(':') + QString::fromLatin1(number.trimmed());
}

VirtualDisplay::~VirtualDisplay() { End(); }

void VirtualDisplay::Serve(ProgramProbe& harness) const
{
    harness.SetEnvironment(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    harness.SetEnvironment(QStringLiteral("DISPLAY"), name_);
}

void VirtualDisplay::End()
{
    if (server_.state() == QProcess::NotRunning) return;
    server_.terminate();
    if (!server_.waitForFinished(5000)) server_.kill(), server_.waitForFinished();
}
