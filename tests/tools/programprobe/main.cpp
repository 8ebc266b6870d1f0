// Drives the program's main window and dialogs from a shell:
//   programprobe [--data DIR] STEP [STEP ...]
// Message boxes go to stderr as "MSGBOX title=... text=..."; show and dump print on stdout.
#include "MainForm.h"
#include "ProbeSeams.h"
#include "ProgramSeams.h"
#include "StartModule.h"
#include "StepRunner.h"
#include "SystemClock.h"
#include "WindowWatcher.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    WindowWatcher watcher;
    app.installEventFilter(&watcher);

    ProgramSeams seams;
    if (args.size() >= 2 && args[0] == QLatin1String("--data")) {
        seams.dataDir = args[1];
        args.remove(0, 2);
    }
    AnswerQueue answers;
    ProbePrompt prompt(answers);
    ProbeWait wait(answers);
    SystemClock clock;
    seams.clock = &clock;
    seams.prompt = &prompt;
    seams.wait = &wait;
    seams.end = [](int code) {
        std::fflush(stdout);
        std::fflush(stderr);
        std::exit(code);
    };

    MainForm* form = StartModule::LoadMainForm(seams);
    if (!form) return 1;
    form->show();
    QApplication::processEvents();
    StepRunner runner(*form, answers, args);
    return runner.Run();
}
