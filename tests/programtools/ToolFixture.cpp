#include "ToolFixture.h"

#include "SimProfile.h"
#include "StartModule.h"
#include "VellModem.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTimer>
#include <QToolBar>

namespace {

const QString BuiltFolder = QFileInfo(QStringLiteral(MODEM_DATABASE_PATH)).absolutePath();

bool copy(const QString& from, const QString& to)
{
    QFile::remove(to);
    return QFile::copy(from, to);
}

}  // namespace

bool ToolFixture::PoweredWait::ShowModal(SerialPort& port) { return !port.WaitForInput(60000); }

ToolFixture::ToolFixture()
{
    EXPECT_TRUE(copy(QStringLiteral(MODEM_DATABASE_PATH), QDir(data_.path()).filePath(QStringLiteral("Modem.mdb"))));
    seams.clock = &clock;
    seams.prompt = &prompt;
    seams.wait = &wait_;
    seams.port = &port;
    seams.dataDir = data_.path();
    seams.end = [this](int code) { ends << code; };
}

ToolFixture::~ToolFixture() = default;

void ToolFixture::UseShippedWizard() const
{
    const QDir built(BuiltFolder), here(data_.path());
    ASSERT_TRUE(copy(built.filePath(QStringLiteral("Wizard.mdb")), here.filePath(QStringLiteral("Wizard.mdb"))));
    here.mkpath(QStringLiteral("WizardArt"));
    for (const QString& file : QDir(built.filePath(QStringLiteral("WizardArt"))).entryList(QDir::Files))
        ASSERT_TRUE(copy(built.filePath(QStringLiteral("WizardArt/") + file), here.filePath(QStringLiteral("WizardArt/") + file)));
}

void ToolFixture::Play(const std::string& profile)
{
    modem.Profile() = SimProfile::Load(std::string(SIM_PROFILES_DIR) + "/" + profile + ".profile");
    modem.PowerCycle(clock.NowMs());
}

bool ToolFixture::Load()
{
    form.reset(StartModule::LoadMainForm(seams));
    if (!form) return false;
    form->show();
    QApplication::processEvents();
    return true;
}

bool ToolFixture::Read()
{
    form->Menu_Read_Click();
    QApplication::processEvents();
    const QAction* write = form->Toolbar1->findChild<QAction*>(QStringLiteral("TWRadio"));
    return form->VellModem1->Working() && write && write->isEnabled();
}

void ToolFixture::WithModal(const std::function<void()>& command, const std::function<void(QWidget*)>& body)
{
    bool ran = false;
    QTimer watch;
    watch.setInterval(1);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (ran || !modal || !modal->isVisible()) return;
        ran = true;
        watch.stop();
        body(modal);
        if (modal->isVisible()) modal->close();
    });
    watch.start();
    command();
    watch.stop();
    EXPECT_TRUE(ran) << "no modal window came up";
}

std::vector<std::string> ToolFixture::CommandsSince(size_t mark) const
{
    const auto& log = modem.CommandLog();
    return {log.begin() + long(std::min(mark, log.size())), log.end()};
}

std::vector<std::vector<uint8_t>> ToolFixture::TxFramesSince(size_t mark) const
{
    const auto& log = modem.RadioCommandLog(SimModem::Radio::Tx);
    return {log.begin() + long(std::min(mark, log.size())), log.end()};
}
