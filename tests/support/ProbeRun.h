#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

#include <functional>

// One run of the modemprobe harness and what it left: the exit code, the
// configuration lines on stdout, the message boxes and the wait window on stderr.
struct ProbeRun {
    int exitCode = -1;  // -1: did not end in time
    qint64 ms = 0;      // how long it ran
    QStringList lines;
    QMap<QString, QString> values;
    QStringList boxes;  // "title|text"
    bool waitWindow = false;
    QString errors;     // stderr as it came

    // Runs modemprobe with the arguments and the given database (the built one
    // when empty); inChild runs in the child before modemprobe starts.
    static ProbeRun Run(const QStringList& arguments, const QString& database = QString(),
                        const std::function<void()>& inChild = {});
};
