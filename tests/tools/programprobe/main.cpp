// Drives the program's main window and dialogs from a shell:
//   programprobe [--data DIR] STEP [STEP ...]
// Message boxes go to stderr as "MSGBOX title=... text=..."; show and dump print on stdout.
#include "EndSignals.h"
#include "MainForm.h"
#include "ProbeDialogs.h"
#include "ProbeSeams.h"
#include "ProgramSeams.h"
#include "StartModule.h"
#include "StepRunner.h"
#include "ProgramClock.h"
#include "WindowWatch.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    EndSignals::IgnoreBrokenPipes();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);

    ProgramSeams seams;
    if (args.size() >= 2 && args[0] == QLatin1String("--data")) {
        seams.dataDir = args[1];
        args.remove(0, 2);
    }
    AnswerQueue answers;
    ProbePrompt prompt(answers);
    ProbeWait wait(answers);
    // The desktop's ending signals, as the program takes them.
    EndSignals endSignals;
    seams.endSignals = &endSignals;
    seams.suspend = &EndSignals::SuspendNow;
    ProgramClock clock;
    seams.clock = &clock;
    seams.prompt = &prompt;
    seams.wait = &wait;
    ProbeDialogs dialogs;
    seams.files = &dialogs.Files;
    seams.printer = &dialogs.Printer;
    seams.end = [](int code) {
        std::fflush(stdout);
        std::fflush(stderr);
        std::exit(code);
    };

    WindowWatch windows;
    app.installEventFilter(&windows);
    MainForm* form = StartModule::LoadMainForm(seams);
    if (!form) return 1;
    form->show();
    QApplication::processEvents();
    StepRunner runner(*form, answers, args);
    runner.UseDialogs(dialogs);
    return runner.Run();
}
