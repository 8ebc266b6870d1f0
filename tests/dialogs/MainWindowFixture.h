#pragma once

#include "FakeClock.h"
#include "LoopbackPort.h"
#include "MainForm.h"
#include "ProgramSeams.h"
#include "ScriptedPrompt.h"
#include "SimModem.h"
#include "WhileModal.h"

#include <gtest/gtest.h>

#include <QString>
#include <functional>
#include <memory>
#include <vector>

class NumericBox;
class QWidget;

// The program's main window on a simulated modem behind the loopback port, on a
// fake clock, with every message box recorded; the modem is read as the Read
// command reads it.
class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Bytes of the modem's memory, set before a read; the check word follows them.
    void SetMemory(int address, const std::vector<uint8_t>& bytes);
    // The Read command; fails the test unless the window then shows the configuration.
    void ReadModem();

    // What the user's mouse does: options, check boxes and labels get a press and a
    // release where they take them, buttons are clicked; the event loop then runs.
    static void Click(QWidget* control);
    // Types the text into the box (its key filter sees every key) and presses Enter.
    static void Type(NumericBox* box, const QString& text);
    static void PressKey(QWidget* window, int key);
    // Pastes the text over the box's whole text with Ctrl+V, as a user does; the
    // event loop then runs.
    static void Paste(NumericBox* box, const QString& text);

    // The texts of the message boxes shown since the last call.
    QStringList TakeMessages();

    ModemSetting& Current() { return form->CurrentModem; }

    FakeClock clock;
    SimModem modem;
    LoopbackPort port{modem, clock};
    ScriptedPrompt prompt;
    ProgramSeams seams;
    std::unique_ptr<MainForm> form;
    int ended = -1;
};

// Failures show texts as text.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

// The message of a rule that refuses a configuration, under its title.
inline constexpr char InvalidSetting[] = "Error, Invalid setting!";
