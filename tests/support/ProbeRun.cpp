#include "ProbeRun.h"

#include <QElapsedTimer>
#include <QProcess>

ProbeRun ProbeRun::Run(const QStringList& arguments, const QString& database, const std::function<void()>& inChild)
{
    QProcess process;
    if (inChild) process.setChildProcessModifier(inChild);
    QElapsedTimer timer;
    timer.start();
    process.start(QStringLiteral(MODEMPROBE_PATH),
                  arguments + QStringList{"--db", database.isEmpty() ? QStringLiteral(MODEM_DATABASE_PATH) : database});
    ProbeRun run;
    const bool ended = process.waitForFinished(120000);
    run.ms = timer.elapsed();
    if (!ended) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    for (const QString& line : QString::fromLocal8Bit(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts)) {
        run.lines << line;
        run.values.insert(line.section('=', 0, 0), line.section('=', 1));
    }
    run.errors = QString::fromLocal8Bit(process.readAllStandardError());
    for (const QString& line : run.errors.split('\n', Qt::SkipEmptyParts)) {
        if (line == QStringLiteral("WAITWINDOW")) run.waitWindow = true;
        if (!line.startsWith(QStringLiteral("MSGBOX title="))) continue;
        const QString rest = line.mid(13);
        const qsizetype text = rest.indexOf(QStringLiteral(" text="));
        run.boxes << rest.left(text) + '|' + rest.mid(text + 6);
    }
    return run;
}
