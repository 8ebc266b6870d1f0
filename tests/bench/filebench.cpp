// Save, open and print of a configuration through the main window's commands, on a
// modem read over the in-process loopback. For each it prints the first run and
// the median and slowest of the repeats, in milliseconds.
// Run by hand: build/bin/filebench [REPEATS]
#include "ConfigurationFile.h"
#include "FakeClock.h"
#include "FileDialogs.h"
#include "LoopbackPort.h"
#include "MainForm.h"
#include "PrinterDialog.h"
#include "ProgramSeams.h"
#include "ScriptedPrompt.h"
#include "SimModem.h"
#include "StartModule.h"
#include "VellModem.h"
#include "WaitView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// Every dialog answers the same path.
class FixedDialogs : public FileDialogs, public PrinterDialog {
public:
    QString Path;
    QString Pdf;
    std::optional<QString> GetOpenFileName(const Request&) override { return Path; }
    std::optional<QString> GetSaveFileName(const Request&) override { return Path; }
    bool ChoosePrinter(QPrinter& printer) override
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(Pdf);
        return true;
    }
};

class NoWait : public WaitView {
public:
    bool ShowModal(SerialPort&) override { return true; }
};

void measure(const char* name, int repeats, const std::function<void()>& command)
{
    std::vector<double> ms;
    for (int i = 0; i < repeats; ++i) {
        QElapsedTimer timer;
        timer.start();
        command();
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    const double first = ms.front();
    std::sort(ms.begin(), ms.end());
    std::printf("%-6s first %7.2f ms   median %7.2f ms   slowest %7.2f ms   (%d runs)\n", name, first,
                ms[ms.size() / 2], ms.back(), repeats);
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    QApplication app(argc, argv);
    const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;

    QTemporaryDir dir;
    FakeClock clock;
    ScriptedPrompt prompt;
    SimModem modem;
    LoopbackPort port(modem, clock);
    NoWait wait;
    FixedDialogs dialogs;
    dialogs.Path = dir.filePath(QStringLiteral("site.mdb"));
    dialogs.Pdf = dir.filePath(QStringLiteral("sheet.pdf"));

    ProgramSeams seams;
    seams.clock = &clock;
    seams.prompt = &prompt;
    seams.wait = &wait;
    seams.port = &port;
    seams.files = &dialogs;
    seams.printer = &dialogs;
    seams.end = [](int) {};
    MainForm* form = StartModule::LoadMainForm(seams);
    if (!form) return 1;
    form->Menu_Read_Click();
    if (!form->VellModem1->Working()) {
        std::fprintf(stderr, "filebench: the simulated modem could not be read\n");
        return 1;
    }

    std::printf("in %s\n", qPrintable(dir.path()));
    measure("save", repeats, [&] { form->Menu_Save_Click(); });
    measure("write", repeats, [&] { ConfigurationFile::Write(form->CurrentModem, dialogs.Path); });
    measure("open", repeats, [&] { form->Menu_Open_Click(); });
    measure("print", std::max(1, repeats / 5), [&] { form->Menu_Print_Click(); });
    std::printf("file %lld bytes, PDF %lld bytes, %lld message boxes\n", QFileInfo(dialogs.Path).size(),
                QFileInfo(dialogs.Pdf).size(), static_cast<long long>(prompt.Boxes().size()));
    delete form;
    return prompt.Boxes().isEmpty() ? 0 : 1;
}
