// Every window at the desktop's font: at the designed font the windows keep their
// designed sizes, at larger fonts they grow so that every text stays whole.
#include "ProgramFixture.h"
#include "ReadableWindow.h"

#include "AboutForm.h"
#include "AdjPower.h"
#include "FileDialogs.h"
#include "MasRemSel.h"
#include "SupSel.h"
#include "Warn_Form.h"
#include "WhileModal.h"
#include "WizardForm.h"

#include <QApplication>
#include <QDir>
#include <QFontInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>

#include <functional>

namespace {

struct DesktopFont {
    const char* family;
    int points;
    // The font the windows were designed at.
    bool designed;
};

const DesktopFont Fonts[] = {
    {"DejaVu Sans", 9, true}, {"DejaVu Sans", 10, false}, {"DejaVu Sans", 11, false},
    {"DejaVu Sans", 13, false}, {"Cantarell", 11, false}, {"Cantarell", 13, false},
    // Wide letters at an ordinary height.
    {"DejaVu Sans Mono", 10, false},
};

std::vector<std::string> everyProfile()
{
    std::vector<std::string> names;
    const QDir folder(QStringLiteral(SIM_PROFILES_DIR));
    for (const QFileInfo& file : folder.entryInfoList({QStringLiteral("*.profile")}, QDir::Files, QDir::Name))
        names.push_back(file.completeBaseName().toStdString());
    return names;
}

// Open and save dialogs that answer one path.
class OnePathDialogs : public FileDialogs {
public:
    std::optional<QString> GetOpenFileName(const Request&) override { return Path; }
    std::optional<QString> GetSaveFileName(const Request&) override { return Path; }
    QString Path;
};

class WindowFontTest : public ProgramFixture, public ::testing::WithParamInterface<DesktopFont> {
protected:
    WindowFontTest() : saved_(QApplication::font())
    {
        seams.files = &files;
        // As a desktop's platform theme hands its font to every window.
        QFont font(QString::fromLatin1(GetParam().family), GetParam().points);
        QApplication::setFont(font);
    }
    ~WindowFontTest() override { QApplication::setFont(saved_); }

    void SetUp() override
    {
        ASSERT_EQ(QFontInfo(QApplication::font()).family(), QString::fromLatin1(GetParam().family))
            << "the font is not installed";
    }

    bool LoadAndRead(const std::string& profile)
    {
        Play(profile);
        modem.PowerCycle(clock.NowMs());
        if (!Load()) return false;
        form->show();
        const bool read = ReadModem();
        QApplication::processEvents();
        return read;
    }

    // At the designed font the window's outer size is the designed one; at any
    // other it is no smaller.
    void ExpectOuterSize(const QWidget* window, QSize designed)
    {
        const QSize outer = window->frameGeometry().size();
        if (GetParam().designed) {
            EXPECT_EQ(outer, designed) << window->objectName().toStdString();
        } else {
            EXPECT_GE(outer.width(), designed.width()) << window->objectName().toStdString();
            EXPECT_GE(outer.height(), designed.height()) << window->objectName().toStdString();
        }
    }

    // Opens a window through its command, checks it, and leaves it as a user would.
    void ExpectReadableWhileOpen(const char* name, const std::function<void()>& command,
                                 const std::function<void(QWidget*)>& more = {})
    {
        SCOPED_TRACE(name);
        const QString opened = WhileModal(command, [&](QWidget* window) {
            QApplication::processEvents();
            ExpectReadable(window);
            if (more) more(window);
            if (auto* finish = window->findChild<QPushButton*>(QStringLiteral("Finish"))) finish->click();
            else if (auto* ok = window->findChild<QPushButton*>(QStringLiteral("OK"))) ok->click();
            else window->close();
        });
        EXPECT_EQ(opened, QString::fromLatin1(name));
    }

    OnePathDialogs files;

private:
    QFont saved_;
};

}  // namespace

TEST_P(WindowFontTest, TheMainWindowAfterAReadShowsEveryText)
{
    for (const std::string& profile : everyProfile()) {
        SCOPED_TRACE(profile);
        ASSERT_TRUE(LoadAndRead(profile)) << prompt.Texts().join(" | ").toStdString();
        ExpectOuterSize(form.get(), QSize(794, 598));
        ExpectReadable(form.get());
    }
}

TEST_P(WindowFontTest, TheMainWindowAfterAnOpenShowsEveryText)
{
    const QTemporaryDir folder;
    for (const std::string& profile : everyProfile()) {
        SCOPED_TRACE(profile);
        ASSERT_TRUE(LoadAndRead(profile));
        files.Path = folder.filePath(QString::fromStdString(profile) + QStringLiteral(".mdb"));
        form->Menu_Save_Click();
        ASSERT_TRUE(QFileInfo::exists(files.Path));
        // A fresh window that has read nothing opens the file.
        ASSERT_TRUE(Load());
        form->show();
        form->Menu_Open_Click();
        QApplication::processEvents();
        ASSERT_TRUE(form->FromFile) << prompt.Texts().join(" | ").toStdString();
        ExpectOuterSize(form.get(), QSize(794, 598));
        ExpectReadable(form.get());
    }
}

TEST_P(WindowFontTest, TheWarningAndTheAboutBoxShowEveryText)
{
    ASSERT_TRUE(Load());
    for (double draw : {0.0, 1.0}) {
        Warn_Form warning(*form, [draw] { return draw; });
        warning.show();
        QApplication::processEvents();
        SCOPED_TRACE(draw > 0.5 ? "buttons swapped" : "buttons in place");
        ExpectReadable(&warning);
    }
    ExpectReadableWhileOpen("AboutForm", [&] { form->Menu_About_Click(); });
}

TEST_P(WindowFontTest, EveryDialogShowsEveryText)
{
    ASSERT_TRUE(LoadAndRead("lumbrel-fdx"));
    ExpectReadableWhileOpen("PortSel", [&] { form->AChangeChar_Click(); });
    ExpectReadableWhileOpen("PacketSel", [&] { form->BChangePack_Click(); });
    ExpectReadableWhileOpen("SIDSel", [&] { form->SIDEdit_Click(); });
    const struct {
        int CAvoid;
        int twips;
    } units[] = {{6, MasRemSel::ShortHeight}, {3, MasRemSel::TallHeight}};
    for (const auto& unit : units) {
        form->CurrentModem.CAvoid = int16_t(unit.CAvoid);
        ExpectReadableWhileOpen("MasRemSel", [&] { form->MasRemSelForm().ShowModal(); },
                                [&](QWidget* w) { ExpectOuterSize(w, QSize(4800 / 15, unit.twips / 15)); });
    }
    ExpectReadableWhileOpen("SupSel", [&] { form->SupSelForm().ShowModal(); });
    ExpectReadableWhileOpen("FreqTrim", [&] { form->TXFreqAdjust_Click(); });
    ExpectReadableWhileOpen("FreqTrim", [&] { form->RXFreqAdjust_Click(); });
    form->CurrentModem.TXRadio.txpower = 1000;
    ExpectReadableWhileOpen("AdjPower", [&] { form->PowAdjust_Click(); });
    form->CurrentModem.TXRadio.txpower = 0;
    ExpectReadableWhileOpen("AdjHL", [&] { form->PowAdjust_Click(); });
}

TEST_P(WindowFontTest, TheWizardsPagesShowEveryText)
{
    ASSERT_TRUE(LoadAndRead("lumbrel-fdx"));
    ExpectReadableWhileOpen("WizardForm", [&] { form->Menu_Wizard_Click(); }, [&](QWidget* w) {
        // The pages keep their stored sizes: their texts carry fonts of their own.
        EXPECT_EQ(w->frameGeometry().size(), QSize(480, 360));
    });
    // Both pages of every family.
    WizardForm& wizard = form->Wizard();
    for (int16_t page : {10, 11, 20, 21, 30, 31, 40, 41, 50, 51, 60, 61}) {
        SCOPED_TRACE(testing::Message() << "page " << page);
        int16_t type = form->CurrentModem.ModemType, start = page;
        ExpectReadableWhileOpen("WizardForm", [&] {
            wizard.StartUpWizard(type, start);
            wizard.exec();
        });
    }
}

INSTANTIATE_TEST_SUITE_P(Fonts, WindowFontTest, ::testing::ValuesIn(Fonts), [](const auto& info) {
    std::string name = std::string(info.param.family) + "_" + std::to_string(info.param.points);
    name.erase(std::remove(name.begin(), name.end(), ' '), name.end());
    return name;
});
