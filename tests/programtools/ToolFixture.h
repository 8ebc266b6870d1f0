#pragma once

#include "EventClock.h"
#include "LoopbackPort.h"
#include "MainForm.h"
#include "ProgramSeams.h"
#include "ScriptedPrompt.h"
#include "SimModem.h"
#include "WaitView.h"

#include <QList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

// The program's main window on a simulated modem behind an in-process port, a
// fake clock and scripted message boxes, with the databases taken from a folder
// of the test's own: the built Modem.mdb and either the built Wizard.mdb or one
// the test makes there.
class ToolFixture : public ::testing::Test {
protected:
    ToolFixture();
    ~ToolFixture() override;

    // The folder the program takes its databases and pictures from.
    QString DataFolder() const { return data_.path(); }
    // The built wizard database and its pictures are copied into the folder.
    void UseShippedWizard() const;

    // The simulated modem plays a profile of sim/profiles (name without ".profile").
    void Play(const std::string& profile);
    // Loads the main window; false when the load ended the program.
    bool Load();
    // The Read command; true when the editors came on.
    bool Read();

    // The body runs, once, as soon as a modal window is up (while the command that
    // opened it waits for it to close); the window is closed afterwards if the
    // body left it open. Returns after the command has returned.
    void WithModal(const std::function<void()>& command, const std::function<void(QWidget*)>& body);

    // The modem's commands and the radios' frames (hex, "radio.tx 09 03 3F") since the mark.
    size_t Mark() const { return modem.CommandLog().size(); }
    std::vector<std::string> CommandsSince(size_t mark) const;
    size_t RadioMark() const { return modem.RadioCommandLog(SimModem::Radio::Tx).size(); }
    std::vector<std::vector<uint8_t>> TxFramesSince(size_t mark) const;

    template <typename T>
    T* Find(const QString& name) const
    {
        return form->findChild<T*>(name);
    }

    EventClock clock;
    ScriptedPrompt prompt;
    SimModem modem;
    LoopbackPort port{modem, clock};
    ProgramSeams seams;
    QList<int> ends;
    std::unique_ptr<MainForm> form;

private:
    class PoweredWait : public WaitView {
    public:
        bool ShowModal(SerialPort& port) override;
    } wait_;
    QTemporaryDir data_;
};
