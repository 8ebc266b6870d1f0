#pragma once

#include "FakeClock.h"
#include "FileDialogs.h"
#include "LoopbackPort.h"
#include "MainForm.h"
#include "PrinterDialog.h"
#include "ProgramSeams.h"
#include "QtPrinters.h"
#include "ScriptedPrompt.h"
#include "SimModem.h"
#include "WaitView.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <optional>

// The open and save dialogs: each showing is recorded and answered from a queue
// (an empty queue cancels).
class ScriptedFileDialogs : public FileDialogs {
public:
    struct Showing {
        bool Save;
        Request Asked;
    };

    // A null path cancels.
    void Answer(const QString& path) { answers_.push_back(path); }
    std::optional<QString> GetOpenFileName(const Request& request) override { return next(false, request); }
    std::optional<QString> GetSaveFileName(const Request& request) override { return next(true, request); }

    QList<Showing> Shown;

private:
    std::optional<QString> next(bool save, const Request& request);

    std::deque<QString> answers_;
};

// The printer dialog: accepts with a PDF file as the printer when one is queued,
// otherwise cancels; counts its showings.
class ScriptedPrinterDialog : public PrinterDialog {
public:
    void Answer(const QString& pdf) { answers_.push_back(pdf); }
    void Clear() { answers_.clear(), Shown = 0; }
    bool ChoosePrinter(QPrinter& printer) override;

    int Shown = 0;

private:
    std::deque<QString> answers_;
};

// The control's wait window, cancelled at once (a well-behaved modem needs none).
class CancellingWait : public WaitView {
public:
    bool ShowModal(SerialPort&) override
    {
        ++Shown;
        return true;
    }
    int Shown = 0;
};

// A clock that runs a step once, the next time the code under test lets events through.
class HookClock : public FakeClock {
public:
    void ProcessEvents(int maxMs) override;
    std::function<void()> OnEvents;
};

// The main window loaded as the program loads it (Modem.mdb of the build), with a
// simulated modem on the loopback port, scripted boxes and dialogs, a fake clock
// and a temporary folder for files.
class FormFixture : public ::testing::Test {
protected:
    FormFixture();
    ~FormFixture() override;

    // A new main window in place of the old one (settings and modem stay).
    void Reload();
    // The Read command; the modem's configuration is then shown.
    void ReadModem();
    // Save through the dialog, answered with the path.
    void SaveAs(const QString& path);
    void Open(const QString& path);

    QString PathIn(const QString& name) const { return dir.filePath(name); }
    bool ToolEnabled(const char* key) const;
    QStringList RecentFiles() const;
    static QByteArray Contents(const QString& path);
    // The files of the temporary folder, hidden ones too.
    QStringList Files() const;

    QTemporaryDir dir;
    HookClock clock;
    ScriptedPrompt prompt;
    SimModem modem;
    LoopbackPort port{modem, clock};
    CancellingWait wait;
    ScriptedFileDialogs files;
    ScriptedPrinterDialog printer;
    ProgramSeams seams;
    QList<int> ended;
    std::unique_ptr<MainForm> form;
};
