#include "StartModule.h"

#include "Clock.h"
#include "MainForm.h"
#include "ProgramSeams.h"
#include "Splash.h"
#include "VellModem.h"
#include "Warn_Form.h"

#include <QCoreApplication>
#include <QDir>

void StartModule::SetStartValues()
{
    BrandingFlag = 0;
    ProgramTitle = QStringLiteral("Halvex Programmer");
    ModemFamilyName = QStringLiteral("Halvex Modem");
    DiagnosticsName = QStringLiteral("Orvane Diagnostics");
    CompanyName = QStringLiteral("Orvane Sypheral");
    ContactName = QStringLiteral("Orvane Sypheral");
    WizardDatabaseName = QStringLiteral("Wizard.mdb");
}

QString StartModule::DataFolder(const ProgramSeams& seams)
{
    return seams.dataDir.isEmpty() ? QCoreApplication::applicationDirPath() : seams.dataDir;
}

QString StartModule::DatabasePathIn(const QString& folder)
{
    return QDir(folder).filePath(QStringLiteral("Modem.mdb"));
}

namespace {

// Loads the main window and hands the control its database.
MainForm* loadMainWindow(ProgramSeams& seams)
{
    auto* form = new MainForm(seams);
    form->Form_Load();
    if (form->Ended()) {
        delete form;
        return nullptr;
    }
    form->setWindowTitle(StartModule::ProgramTitle);
    StartModule::ModemDatabasePath = StartModule::DatabasePathIn(StartModule::DataFolder(seams));
    form->VellModem1->setDatabase(StartModule::ModemDatabasePath);
    return form;
}

}  // namespace

MainForm* StartModule::LoadMainForm(ProgramSeams& seams)
{
    SetStartValues();
    return loadMainWindow(seams);
}

MainForm* StartModule::Main(ProgramSeams& seams, const std::function<double()>& random)
{
    SetStartValues();
    // The splash stays loaded, hidden, for the whole run.
    auto* splash = new Splash(*seams.clock);
    splash->show();
    splash->repaint();
    QCoreApplication::processEvents();

    MainForm* form = loadMainWindow(seams);
    if (!form) return nullptr;

    while (splash->Timer1Enabled()) {
        seams.clock->ProcessEvents(std::min(splash->Timer1Remaining(), 50));
        splash->Poll();
    }
    // Handed to the main window only now: a new parent hides a window.
    splash->setParent(form, splash->windowFlags());

    Warn_Form warning(*form, random);
    warning.exec();
    if (form->Ended()) {
        delete form;
        return nullptr;
    }
    form->show();
    return form;
}
