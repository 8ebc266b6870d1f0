// Drives the control from a shell, for end-to-end checks:
//   modemprobe read DEVICE --db DBFILE [--cancel]
//   modemprobe write DEVICE FILE --db DBFILE
//   modemprobe rssi DEVICE FREQ --db DBFILE
// Prints the configuration as Name=value lines on stdout; every message box goes
// to stderr as "MSGBOX title=... text=...".
#include "ModemSetting.h"
#include "Prompt.h"
#include "RuntimeError.h"
#include "SerialPort.h"
#include "SettingFields.h"
#include "VellModem.h"
#include "WaitView.h"

#include <QApplication>
#include <QFile>
#include <QStringList>
#include <QTextStream>

#include <cstdio>

namespace {

void err(const QString& line) { std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData()); }

QString escaped(QString text) { return text.replace(QLatin1Char('\r'), "\\r").replace(QLatin1Char('\n'), "\\n"); }

class ProbePrompt : public Prompt {
public:
    explicit ProbePrompt(bool cancel) : cancel_(cancel) {}
    MsgResult Show(const QString& text, const QString& title, MsgButtons buttons, MsgIcon) override
    {
        err(QStringLiteral("MSGBOX title=") + escaped(title) + QStringLiteral(" text=") + escaped(text));
        const bool offersCancel =
            buttons == MsgButtons::OKCancel || buttons == MsgButtons::YesNoCancel || buttons == MsgButtons::RetryCancel;
        if (cancel_ && offersCancel) return MsgResult::Cancel;
        return buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoCancel ? MsgResult::Yes : MsgResult::OK;
    }

private:
    bool cancel_;
};

// Cancels at once with --cancel; otherwise waits, as the window does, for the
// modem's first character (a minute at most).
class ProbeWait : public WaitView {
public:
    explicit ProbeWait(bool cancel) : cancel_(cancel) {}
    bool ShowModal(SerialPort& port) override
    {
        err(QStringLiteral("WAITWINDOW"));
        if (cancel_) return true;
        for (int i = 0; i < 600; ++i)
            if (port.InBufferCount() != 0 || port.WaitForInput(100)) return false;
        return true;
    }

private:
    bool cancel_;
};

int usage()
{
    err(QStringLiteral("usage: modemprobe read DEVICE --db DBFILE [--cancel]\n"
                       "       modemprobe write DEVICE FILE --db DBFILE\n"
                       "       modemprobe rssi DEVICE FREQ --db DBFILE"));
    return 2;
}

void print(const ModemSetting& setting)
{
    QTextStream out(stdout);
    for (const QString& line : SettingFields::Lines(setting)) out << line << '\n';
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    bool cancel = args.removeAll(QStringLiteral("--cancel")) > 0;
    QString database;
    const qsizetype db = args.indexOf(QStringLiteral("--db"));
    if (db >= 0 && db + 1 < args.size()) {
        database = args[db + 1];
        args.remove(db, 2);
    }
    if (args.size() < 2 || database.isEmpty()) return usage();
    const QString command = args[0];
    const QString device = args[1];
    // Without a device the control would fall back to the first port of the system.
    if (device.trimmed().isEmpty()) return usage();
    if ((command == QStringLiteral("read") && args.size() != 2) ||
        ((command == QStringLiteral("write") || command == QStringLiteral("rssi")) && args.size() != 3) ||
        (command != QStringLiteral("read") && command != QStringLiteral("write") && command != QStringLiteral("rssi")))
        return usage();

    ProbePrompt prompt(cancel);
    ProbeWait wait(cancel);
    VellModem::Seams seams;
    seams.prompt = &prompt;
    seams.wait = &wait;
    VellModem control(seams);
    control.SetDevicePath(device);
    control.setDatabase(database);

    try {
        int16_t modemType = 0, txRadio = 0, rxRadio = 0;
        control.CreatModem(modemType, txRadio, rxRadio);
        if (command == QStringLiteral("rssi")) {
            double freq = args[2].toDouble();
            bool select = true;
            QTextStream(stdout) << control.AutoRssi(rxRadio, freq, select) << '\n';
            return control.Working() ? 0 : 1;
        }
        ModemSetting setting;
        control.ReadModemSetting(setting);
        bool display = false;
        const bool rejected = control.QuerySetting(setting, display);
        if (command == QStringLiteral("read")) {
            print(setting);
            return control.Working() && !rejected ? 0 : 1;
        }
        QFile file(args[2]);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            err(QStringLiteral("cannot read ") + args[2]);
            return 2;
        }
        QTextStream in(&file);
        while (!in.atEnd()) {
            const QString line = in.readLine().trimmed();
            if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
            if (!SettingFields::Apply(setting, line)) {
                err(QStringLiteral("bad line: ") + line);
                return 2;
            }
        }
        display = true;
        if (control.QuerySetting(setting, display)) return 1;
        bool needPassword = false;
        control.WriteModemSetting(setting, needPassword);
        return control.Working() && control.DriverWorking() ? 0 : 1;
    } catch (const RuntimeError& e) {
        err(QStringLiteral("ERROR ") + QString::number(e.Number()) + QLatin1Char(' ') + e.Description());
        return 1;
    }
}
