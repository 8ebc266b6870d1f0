// How long each editing dialog takes to open: from the user's action on the main
// window to the dialog's first paint, on a modem read from the simulator.
//   dialogbench [OPENINGS]
// Runs offscreen unless QT_QPA_PLATFORM names another platform.
#include "FakeClock.h"
#include "LoopbackPort.h"
#include "MainForm.h"
#include "ProgramSeams.h"
#include "ScriptedPrompt.h"
#include "SimModem.h"
#include "StartModule.h"
#include "SupSel.h"
#include "VellModem.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// Times one opening: the action runs, and the first paint of the window named
// closes it again.
class Opening : public QObject {
public:
    explicit Opening(QString window) : window_(std::move(window)) {}

    double Run(const std::function<void()>& open)
    {
        ms_ = -1;
        timer_.start();
        open();
        return ms_;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Paint && ms_ < 0 && widget && widget->isWindow() &&
            widget->objectName() == window_) {
            ms_ = double(timer_.nsecsElapsed()) / 1e6;
            QMetaObject::invokeMethod(widget, [widget] { widget->hide(); }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    QString window_;
    QElapsedTimer timer_;
    double ms_ = -1;
};

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    const int openings = argc > 1 ? std::max(1, atoi(argv[1])) : 20;

    FakeClock clock;
    SimModem modem;
    LoopbackPort port(modem, clock);
    ScriptedPrompt prompt;
    ProgramSeams seams;
    seams.clock = &clock;
    seams.prompt = &prompt;
    seams.port = &port;
    seams.dataDir = QFileInfo(QStringLiteral(MODEM_DATABASE_PATH)).absolutePath();
    seams.end = [](int) {};
    MainForm* form = StartModule::LoadMainForm(seams);
    if (!form) return 1;
    form->show();
    QApplication::processEvents();
    form->Menu_Read_Click();
    if (!form->VellModem1->Working()) {
        std::fprintf(stderr, "dialogbench: the simulated modem was not read\n");
        return 1;
    }

    struct Dialog {
        const char* name;
        const char* action;
        std::function<void()> open;
    };
    const Dialog dialogs[] = {
        {"PortSel", "port A Custom character layer", [form] { form->AChangeChar_Click(); }},
        {"PacketSel", "port A Custom packet layer", [form] { form->AChangePack_Click(); }},
        {"SIDSel", "Edit SID", [form] { form->SIDEdit_Click(); }},
        {"MasRemSel", "press on Collision Avoidance",
         [form] {
             form->SupCA_MouseDown();
             QApplication::processEvents();
         }},
        {"SupSel", "Advanced", [form] { form->SupSelForm().ShowModal(); }},
    };
    std::printf("%-10s %-32s %9s %10s %8s  (ms, %d openings after the first)\n", "dialog", "opened by", "first",
                "median", "max", openings);
    bool slow = false;
    for (const Dialog& d : dialogs) {
        Opening opening(QString::fromLatin1(d.name));
        app.installEventFilter(&opening);
        const double first = opening.Run(d.open);
        std::vector<double> times;
        for (int i = 0; i < openings; ++i) times.push_back(opening.Run(d.open));
        app.removeEventFilter(&opening);
        std::sort(times.begin(), times.end());
        const double median = times[times.size() / 2];
        std::printf("%-10s %-32s %9.2f %10.2f %8.2f\n", d.name, d.action, first, median, times.back());
        slow = slow || first < 0 || first >= 100 || times.back() >= 100;
    }
    if (!prompt.Boxes().isEmpty()) std::printf("message boxes: %lld\n", static_cast<long long>(prompt.Boxes().size()));
    std::printf(slow ? "some dialog took 100 ms or more, or never painted\n" : "every dialog opened in under 100 ms\n");
    delete form;
    return 0;
}
