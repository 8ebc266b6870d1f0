#pragma once

#include "FakeClock.h"
#include "LoopbackPort.h"
#include "MainForm.h"
#include "NumericBox.h"
#include "ProgramSeams.h"
#include "PseudoTerminal.h"
#include "QtPrinters.h"
#include "ScriptedWait.h"
#include "SimModem.h"
#include "VellModem.h"
#include "WatchingPrompt.h"

#include <QList>
#include <QString>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// The program's main window on a simulated modem behind an in-process port, a
// fake clock, scripted message boxes and wait window, and user settings of its
// own in which no serial port opens until a test attaches one.
class ProgramFixture : public ::testing::Test {
protected:
    ProgramFixture();
    ~ProgramFixture() override;

    // Loads the main window as start-up does, without the splash wait and the
    // warning; false when the load ended the program.
    bool Load();
    // The simulated modem plays a profile of sim/profiles (name without ".profile").
    void Play(const std::string& profile);
    // The Read command; true when the editors came on.
    bool ReadModem();
    // The commands the simulated modem received that start with the prefix.
    int CommandCount(const std::string& prefix) const;

    // Serial port n opens the device.
    static void MapPort(int n, const QString& device);
    // A pseudo-terminal that port n opens; its slave's path.
    QString AttachTerminal(int n);
    static void SaveStartUp(const QString& key, const QString& value);
    // The saved value, null when there is none.
    static QString StartUp(const QString& key);

    template <typename T>
    T* Find(const QString& name) const
    {
        return form->findChild<T*>(name);
    }

    FakeClock clock;
    WatchingPrompt prompt;
    SimModem modem;
    LoopbackPort port{modem, clock};
    ScriptedWait wait;
    ProgramSeams seams;
    QList<int> ends;
    std::vector<std::unique_ptr<PseudoTerminal>> terminals;
    std::unique_ptr<MainForm> form;
};
