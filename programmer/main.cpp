// The program has no command line: everything starts in StartModule::Main.
#include "BrandArt.h"
#include "EndSignals.h"
#include "MainForm.h"
#include "ProgramClock.h"
#include "ProgramSeams.h"
#include "StartModule.h"

#include <QApplication>
#include <QIcon>

#include <clocale>
#include <cstdlib>

int main(int argc, char** argv)
{
    EndSignals::IgnoreBrokenPipes();
    QApplication app(argc, argv);
    // Qt has set the C library's locale from the desktop's; the program's numbers
    // never follow it, and this keeps any C library call from doing so.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("ZenvoProgrammer"));
    QApplication::setOrganizationName(QStringLiteral("ZenvoProgrammer"));
    QApplication::setApplicationDisplayName(QString());
    // Ties the windows to the installed desktop entry (and its icon) on Wayland.
    QGuiApplication::setDesktopFileName(QStringLiteral("halvex-programmer"));
    QApplication::setWindowIcon(QIcon(BrandArt::AppIcon(64)));

    // Logout, a closed terminal and Ctrl+C end the program as its Quit does.
    EndSignals endSignals;
    ProgramClock clock;
    ProgramSeams seams;
    seams.clock = &clock;
    seams.end = [](int code) { std::exit(code); };
    seams.endSignals = &endSignals;
    seams.suspend = &EndSignals::SuspendNow;
    MainForm* form = StartModule::Main(seams);
    if (!form) return 1;
    return app.exec();
}
