#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// Runs the programprobe harness with user settings of its own.
class ProgramProbe {
public:
    struct Run {
        int ExitCode = -1;
        QStringList Lines;             // stdout
        QMap<QString, QString> Values;  // stdout's Name=value lines
        QStringList Boxes;             // "title|text" of each message box
        bool WaitWindow = false;
    };

    Run operator()(const QStringList& steps) const;

private:
    QTemporaryDir settings_;
};
