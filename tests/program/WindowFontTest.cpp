// Every window at the desktop's font and on the screens such desktops run on: at
// the designed font the windows keep their designed sizes, at larger fonts they
// grow so that every text stays whole, and each fits the room its screen leaves
// it, title bar included.
#include "ProgramFixture.h"
#include "ReadableWindow.h"

#include "AboutForm.h"
#include "AdjPower.h"
#include "FileDialogs.h"
#include "MasRemSel.h"
#include "OuterSize.h"
#include "SupSel.h"
#include "Twips.h"
#include "Warn_Form.h"
#include "WhileModal.h"
#include "WizardForm.h"

#include <QApplication>
#include <QDir>
#include <QFontInfo>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolButton>

#include <functional>

namespace {

struct DesktopFont {
    const char* family;
    int points;
    // What the screen leaves to windows: a laptop's panel less the desktop's top bar.
    QSize area;
    // The font the windows were designed at.
    bool designed = false;
};

constexpr QSize Laptop(1366, 736), SmallLaptop(1280, 688), TallLaptop(1280, 800), Desktop(1920, 1080);

const DesktopFont Fonts[] = {
    {"DejaVu Sans", 9, Laptop, true}, {"DejaVu Sans", 10, Laptop}, {"DejaVu Sans", 11, Laptop},
    {"DejaVu Sans", 13, Desktop},     {"Cantarell", 11, Laptop},   {"Cantarell", 11, SmallLaptop},
    {"Cantarell", 11, TallLaptop},    {"Cantarell", 13, Desktop},  {"Cantarell", 15, Desktop},
    // Wide letters at an ordinary height.
    {"DejaVu Sans Mono", 10, Laptop},
};

// A title bar and thin borders, as a desktop's window manager frames a window
// once it is on the screen.
const QSize Frame(2, 38);

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
        OuterSize::SetFrameSource([](const QWidget& w) { return w.isVisible() ? Frame : QSize(0, 0); });
        OuterSize::SetAreaSource([](const QWidget&) { return QRect(QPoint(0, 32), GetParam().area); });
    }
    ~WindowFontTest() override
    {
        OuterSize::SetAreaSource({});
        OuterSize::SetFrameSource({});
        QApplication::setFont(saved_);
    }

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

    static QSize OuterOf(const QWidget* window) { return window->size() + Frame; }

    // At the designed font the window's outer size is the designed one; at any
    // other it is no smaller.
    void ExpectOuterSize(const QWidget* window, QSize designed)
    {
        const QSize outer = OuterOf(window);
        if (GetParam().designed) {
            EXPECT_EQ(outer, designed) << window->objectName().toStdString();
        } else {
            EXPECT_GE(outer.width(), designed.width()) << window->objectName().toStdString();
            EXPECT_GE(outer.height(), designed.height()) << window->objectName().toStdString();
        }
    }

    // The window with its frame within what the screen leaves it.
    void ExpectFits(const QWidget* window)
    {
        const QSize outer = OuterOf(window), area = GetParam().area;
        EXPECT_TRUE(outer.width() <= area.width() && outer.height() <= area.height())
            << window->objectName().toStdString() << " is " << outer.width() << "x" << outer.height();
    }

    // Readable and within the screen.
    void ExpectWhole(QWidget* window)
    {
        ExpectReadable(window);
        ExpectFits(window);
    }

    // Opens a window through its command, checks it, and leaves it as a user would.
    void ExpectReadableWhileOpen(const char* name, const std::function<void()>& command,
                                 const std::function<void(QWidget*)>& more = {})
    {
        SCOPED_TRACE(name);
        const QString opened = WhileModal(command, [&](QWidget* window) {
            QApplication::processEvents();
            ExpectWhole(window);
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
        ExpectOuterSize(form.get(), Twips::ToPixels(QSize(11910, 8970)));
        ExpectWhole(form.get());
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
        ExpectOuterSize(form.get(), Twips::ToPixels(QSize(11910, 8970)));
        ExpectWhole(form.get());
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
        ExpectWhole(&warning);
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
                                [&](QWidget* w) { ExpectOuterSize(w, Twips::ToPixels(QSize(4800, unit.twips))); });
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
        EXPECT_EQ(OuterOf(w), QSize(480, 360));
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

// A netbook's screen at a large font has no room even for the window's rows: the
// window still fits the screen, its frames scroll and every control can be
// scrolled to.
class NetbookWindowTest : public ProgramFixture {
protected:
    NetbookWindowTest() : saved_(QApplication::font())
    {
        QApplication::setFont(QFont(QStringLiteral("Cantarell"), 13));
        OuterSize::SetFrameSource([](const QWidget& w) { return w.isVisible() ? Frame : QSize(0, 0); });
        OuterSize::SetAreaSource([](const QWidget&) { return QRect(QPoint(0, 32), Area); });
    }
    ~NetbookWindowTest() override
    {
        OuterSize::SetAreaSource({});
        OuterSize::SetFrameSource({});
        QApplication::setFont(saved_);
    }

    static constexpr QSize Area{1024, 568};

private:
    QFont saved_;
};

TEST_F(NetbookWindowTest, TheMainWindowFitsTheScreenAndItsFramesScroll)
{
    Play("lumbrel-fdx");
    modem.PowerCycle(clock.NowMs());
    ASSERT_TRUE(Load());
    form->show();
    ASSERT_TRUE(ReadModem());
    QApplication::processEvents();
    const QSize outer = form->size() + Frame;
    EXPECT_TRUE(outer.width() <= Area.width() && outer.height() <= Area.height())
        << outer.width() << "x" << outer.height();
    auto* area = Find<QScrollArea>(QStringLiteral("CentralScroll"));
    ASSERT_TRUE(area);
    EXPECT_GT(area->verticalScrollBar()->maximum(), 0) << "the rows scroll";
    EXPECT_EQ(area->horizontalScrollBar()->maximum(), 0) << "the width fits";
    ExpectReadable(form.get(), Scrolling::Allowed);
    // The bottom row can be brought into view, and the top one back.
    for (const char* name : {"Label18", "SupCA", "Label17"}) {
        SCOPED_TRACE(name);
        QWidget* control = Find<QWidget>(QString::fromLatin1(name));
        area->ensureWidgetVisible(control, 0, 0);
        const QRect shown(control->mapTo(area->viewport(), QPoint(0, 0)), control->size());
        EXPECT_TRUE(area->viewport()->rect().contains(shown));
    }
    EXPECT_TRUE(form->statusBar()->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Fonts, WindowFontTest, ::testing::ValuesIn(Fonts), [](const auto& info) {
    std::string name = std::string(info.param.family) + "_" + std::to_string(info.param.points) + "_" +
                       std::to_string(info.param.area.width()) + "x" + std::to_string(info.param.area.height());
    name.erase(std::remove(name.begin(), name.end(), ' '), name.end());
    return name;
});
