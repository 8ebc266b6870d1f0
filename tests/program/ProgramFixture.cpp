#include "ProgramFixture.h"

#include "SimProfile.h"
#include "StartModule.h"
#include "VellModem.h"

#include <QApplication>
#include <QFileInfo>
#include <QPointer>
#include <QSettings>


ProgramFixture::ProgramFixture()
{
    {
        QSettings settings(QStringLiteral("ZenvoProgrammer"), QStringLiteral("ZenvoProgrammer"));
        settings.clear();
        for (int n = 1; n <= 16; ++n)
            settings.setValue(QStringLiteral("Ports/Port%1").arg(n), QStringLiteral("/nonexistent/ttyTest%1").arg(n));
    }
    seams.clock = &clock;
    seams.prompt = &prompt;
    seams.wait = &wait;
    seams.port = &port;
    seams.dataDir = QFileInfo(QStringLiteral(MODEM_DATABASE_PATH)).path();
    seams.end = [this](int code) { ends.append(code); };
}

ProgramFixture::~ProgramFixture()
{
    form.reset();
    // Windows that outlived the main window (a splash of an ended start-up).
    QList<QPointer<QWidget>> left;
    for (QWidget* w : QApplication::topLevelWidgets()) left.append(w);
    for (const QPointer<QWidget>& w : left) delete w.data();
}

bool ProgramFixture::Load()
{
    form.reset(StartModule::LoadMainForm(seams));
    return form != nullptr;
}

void ProgramFixture::Play(const std::string& profile)
{
    modem = SimModem(SimProfile::Load(std::string(SIM_PROFILES_DIR "/") + profile + ".profile"));
}

bool ProgramFixture::ReadModem()
{
    form->Menu_Read_Click();
    return form->VellModem1->Working() && form->TransFreq->isEnabled();
}

int ProgramFixture::CommandCount(const std::string& prefix) const
{
    int count = 0;
    for (const std::string& command : modem.CommandLog()) count += command.rfind(prefix, 0) == 0 ? 1 : 0;
    return count;
}

void ProgramFixture::MapPort(int n, const QString& device)
{
    QSettings settings(QStringLiteral("ZenvoProgrammer"), QStringLiteral("ZenvoProgrammer"));
    settings.setValue(QStringLiteral("Ports/Port%1").arg(n), device);
}

QString ProgramFixture::AttachTerminal(int n)
{
    terminals.push_back(std::make_unique<PseudoTerminal>());
    const QString path = terminals.back()->SlavePath();
    MapPort(n, path);
    return path;
}

void ProgramFixture::SaveStartUp(const QString& key, const QString& value)
{
    QSettings settings(QStringLiteral("ZenvoProgrammer"), QStringLiteral("ZenvoProgrammer"));
    settings.setValue(QStringLiteral("StartUp/") + key, value);
}

QString ProgramFixture::StartUp(const QString& key)
{
    QSettings settings(QStringLiteral("ZenvoProgrammer"), QStringLiteral("ZenvoProgrammer"));
    const QVariant value = settings.value(QStringLiteral("StartUp/") + key);
    return value.isValid() ? value.toString() : QString();
}
