#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <vector>

class SimProcess;

// The programprobe harness run as a user runs the program: a settings folder of
// its own (ports mapped to devices there), the steps on the command line.
class ProgramProbe {
public:
    struct Result {
        // False when the harness did not start or did not end within the time.
        bool ended = false;
        int exitCode = -1;
        // stdout as it came, and line by line.
        QString output;
        QStringList lines;
        // Each message box as "title|text", with the text's line feeds restored.
        QStringList boxes;
        bool waitWindow = false;
        // stderr as it came.
        QString errors;

        // The last value printed for name by show or dump; null when none was.
        QString Value(const QString& name) const;
        // Every value printed for name, in order.
        QStringList Values(const QString& name) const;
        bool Printed(const QString& name) const { return !Values(name).isEmpty(); }
        // Printed by show and not marked disabled.
        bool ShownEnabled(const QString& name) const;
        // The stderr lines that start with the prefix ("MSGBOX", "WINDOW", "CLOSED").
        QStringList ErrorLines(const QString& prefix) const;
        // The lines of the index-th "show window": from its "window=" line to the
        // next one, a dump or the end.
        Result Shown(const QString& window, int index = 0) const;
        // The lines of the index-th dump.
        Result Dumped(int index = 0) const;
    };

    // Runs once, as soon as marker has shown up on stdout or stderr for the
    // occurrence-th time and then ready holds (when given; asked every 20 ms),
    // with the probe's process id.
    struct Trigger {
        QString marker;
        std::function<void(qint64 pid)> action;
        int occurrence = 1;
        std::function<bool()> ready = {};
    };

    ProgramProbe();

    // The "Ports" settings: port number n opens device.
    void MapPort(int number, const QString& device) const;
    // The "Ports" settings: serial tools' lock files are looked for in folder.
    void SetLockFolder(const QString& folder) const;
    // An environment variable of the runs, set after the harness's own (so
    // QT_QPA_PLATFORM can name another platform).
    void SetEnvironment(const QString& name, const QString& value) { environment_.insert(name, value); }
    // A value of the user settings as the runs left them ("StartUp/CommPort"); null when none.
    QString Setting(const QString& key) const;
    Result Run(const QStringList& steps, const std::vector<Trigger>& triggers = {}) const;
    // The folder that the harness gets as XDG_CONFIG_HOME.
    QString ConfigHome() const { return config_.path(); }

    // A modem that only answers after a power cycle is cycled when the wait
    // window shows for the occurrence-th time.
    static Trigger PowerUpWhenAsked(const SimProcess& sim, int occurrence = 1);
    // The files and devices a process holds open.
    static QStringList OpenFiles(qint64 pid);

private:
    QTemporaryDir config_;
    QProcessEnvironment environment_;
};
