#pragma once

#include <QString>
#include <QStringList>
#include <sys/types.h>

// The modemsim executable running on its own pseudo-terminal, for tests that go
// through a real serial device. Stopped when the object goes.
class SimProcess {
public:
    // Arguments as on modemsim's command line (a profile file, --fault, --log, ...).
    explicit SimProcess(const QStringList& arguments = {});
    ~SimProcess();
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    // The slave device the modem answers on; empty when it did not start.
    const QString& DevicePath() const { return path_; }
    void PowerCycle() const;
    // Ends the simulator and waits for it (so a --dump file is complete).
    int Stop();

private:
    pid_t pid_ = -1;
    QString path_;
};
