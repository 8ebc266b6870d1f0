#pragma once

#include "ProgramProbe.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

#include <ostream>

// The signals by which a desktop ends a program.
struct EndingSignal {
    const char* name;
    int number;
};
void PrintTo(const EndingSignal& signal, std::ostream* out);
extern const EndingSignal EndingSignals[4];
std::string SignalName(const ::testing::TestParamInfo<EndingSignal>& info);

// Sends a signal to the harness once its trigger fires, and times what follows.
class SignalSender {
public:
    explicit SignalSender(int number) : number_(number) {}
    // Fires at the marker, once ready holds (when given).
    ProgramProbe::Trigger At(const QString& marker, std::function<bool()> ready = {});
    bool Sent() const { return timer_.isValid(); }
    // Milliseconds from the signal to now.
    qint64 SinceSent() const { return timer_.isValid() ? timer_.elapsed() : -1; }

private:
    int number_;
    QElapsedTimer timer_;
};

// The state letter of /proc/PID/stat ("T": stopped); empty for no such process.
QString ProcessState(qint64 pid);

// The lines of the log that start with the prefix.
QStringList LinesStarting(const QStringList& log, const QString& prefix);

// An X server of its own (Xvfb on a free display), ended on demand or when the
// object goes.
class VirtualDisplay {
public:
    VirtualDisplay();
    ~VirtualDisplay();
    // ":N"; empty when the server did not start.
    const QString& Name() const { return name_; }
    // The harness's runs show their windows on this server.
    void Serve(ProgramProbe& harness) const;
    void End();

private:
    QProcess server_;
    QString name_;
};
