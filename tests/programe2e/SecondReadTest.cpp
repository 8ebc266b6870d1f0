// A Read clicked again while one runs: window events run inside the control's
// waits, and the second click must not start another conversation with the modem.
#include "MainForm.h"
#include "ProgramSeams.h"
#include "ScriptedPrompt.h"
#include "SimProcess.h"
#include "StartModule.h"
#include "SystemClock.h"
#include "VellModem.h"
#include "WaitView.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

namespace {

class NoWaitWindow : public WaitView {
public:
    bool ShowModal(SerialPort&) override { return true; }
};

struct ReadOutcome {
    QStringList commands;  // what the modem received, one command a line
    QStringList boxes;
    bool clickedDuringRead = false;
    bool busyWhenClicked = false;
    bool working = false;
};

// Reads builtin-high through the main window's Read command on a real
// pseudo-terminal; with clickAgain, Read is clicked once more from the event
// loop while the first read runs.
ReadOutcome readModem(bool clickAgain)
{
    ReadOutcome outcome;
    QTemporaryDir dir;
    const QString log = dir.filePath(QStringLiteral("commands.log"));
    SimProcess sim({QStringLiteral(SIM_PROFILES_DIR "/builtin-high.profile"), QStringLiteral("--log"), log});
    if (sim.DevicePath().isEmpty()) return outcome;

    SystemClock clock;
    ScriptedPrompt prompt;
    NoWaitWindow wait;
    ProgramSeams seams;
    seams.clock = &clock;
    seams.prompt = &prompt;
    seams.wait = &wait;
    seams.dataDir = QFileInfo(QStringLiteral(MODEM_DATABASE_PATH)).absolutePath();
    seams.end = [](int) {};
    std::unique_ptr<MainForm> form(StartModule::LoadMainForm(seams));
    if (!form) return outcome;
    form->VellModem1->SetDevicePath(sim.DevicePath());

    bool firstRunning = true;
    if (clickAgain)
        QTimer::singleShot(0, form.get(), [&] {
            outcome.clickedDuringRead = firstRunning;
            outcome.busyWhenClicked = form->Busy();
            form->Menu_Read->trigger();
        });
    form->Menu_Read->trigger();
    firstRunning = false;
    outcome.working = form->VellModem1->Working();
    outcome.boxes = prompt.Texts();
    form.reset();
    sim.Stop();

    QFile file(log);
    if (file.open(QIODevice::ReadOnly | QIODevice::Text))
        outcome.commands = QString::fromLatin1(file.readAll()).split('\n', Qt::SkipEmptyParts);
    return outcome;
}

TEST(ProgramReadCommand, ASecondClickWhileAReadRunsDoesNothing)
{
    const ReadOutcome once = readModem(false);
    ASSERT_TRUE(once.working) << once.boxes.join('\n').toStdString();
    ASSERT_FALSE(once.commands.isEmpty());

    const ReadOutcome twice = readModem(true);
    ASSERT_TRUE(twice.clickedDuringRead);
    EXPECT_TRUE(twice.busyWhenClicked);
    EXPECT_TRUE(twice.working);
    EXPECT_EQ(twice.boxes.join('\n').toStdString(), "");
    EXPECT_EQ(twice.commands.join(' ').toStdString(), once.commands.join(' ').toStdString());
}

}  // namespace
