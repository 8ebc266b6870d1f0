#pragma once

#include "ProgramProbe.h"
#include "SimProcess.h"
#include "SimProfile.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdint>
#include <vector>

// The simulated modem on its own pseudo-terminal, with its command log and the
// memory dump it writes when it stops, and the programprobe harness run against
// it with user settings of its own.
class ToolProbeRun {
public:
    // The profile of sim/profiles (name without ".profile"), or the path of a
    // profile file, and modemsim's other arguments.
    explicit ToolProbeRun(const QString& profile, const QStringList& simArguments = {});

    QString Device() const { return sim_.DevicePath(); }
    // The harness itself, for its environment and port map.
    ProgramProbe& Harness() { return probe_; }

    // Runs programprobe with "port DEVICE" and then the steps, taking the databases
    // from dataDir when one is given; false when it did not end within the time.
    bool Probe(const QStringList& steps, const QString& dataDir = QString(),
               const std::vector<ProgramProbe::Trigger>& triggers = {});
    int ExitCode() const { return result_.exitCode; }
    const QString& Out() const { return result_.output; }
    const QString& Err() const { return result_.errors; }
    // The harness's stderr lines that start with the prefix ("MSGBOX", "WINDOW").
    QStringList ErrLines(const QString& prefix) const { return result_.ErrorLines(prefix); }
    // A "Name=value" line of stdout (the last one of the name); null when none.
    QString Value(const QString& name) const { return result_.Value(name); }
    const ProgramProbe::Result& Result() const { return result_; }

    // The log's lines, as the simulator wrote them so far.
    QStringList Log() const;
    // The transmit radio's frames in the log, as bytes (code first).
    std::vector<std::vector<uint8_t>> TxFrames() const;
    // Stops the simulator and reads back its memory dump.
    SimProfile Stop();

private:
    QTemporaryDir dir_;
    SimProcess sim_;
    ProgramProbe probe_;
    ProgramProbe::Result result_;
};

// The transmit radio's frames as the power test's steps: "tune" (the transmit
// synthesiser loaded), "power N" (the power byte), "on" / "off" (the transmitter
// state), "frame C" for anything else.
QStringList PowerSteps(const std::vector<std::vector<uint8_t>>& frames);

// The Lumbrel's power byte for a power in mW.
int LumbrelPowerByte(int milliwatts);
