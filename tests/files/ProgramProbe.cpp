#include "ProgramProbe.h"

#include <QProcess>
#include <QProcessEnvironment>

ProgramProbe::Run ProgramProbe::operator()(const QStringList& steps) const
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), settings_.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(PROGRAMPROBE_PATH), steps);
    Run run;
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.ExitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    for (const QString& line : QString::fromLocal8Bit(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts)) {
        run.Lines << line;
        run.Values.insert(line.section('=', 0, 0), line.section('=', 1));
    }
    for (const QString& line : QString::fromLocal8Bit(process.readAllStandardError()).split('\n', Qt::SkipEmptyParts)) {
        if (line == QLatin1String("WAITWINDOW")) run.WaitWindow = true;
        if (!line.startsWith(QLatin1String("MSGBOX title="))) continue;
        const QString rest = line.mid(13);
        const qsizetype text = rest.indexOf(QStringLiteral(" text="));
        run.Boxes << rest.left(text) + QLatin1Char('|') + rest.mid(text + 6);
    }
    return run;
}
