// Start-up: the splash time, the regulatory warning and its way out, and the
// database checks that end the program.
#include "DatabaseFolder.h"
#include "GeneralFunc.h"
#include "ProgramFixture.h"
#include "SlowLoadPort.h"
#include "StartModule.h"
#include "Warn_Form.h"
#include "WindowWatch.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

// A failing case is told by its name.
template <typename Case>
    requires requires(const Case& c) { c.name; }
void PrintTo(const Case& c, std::ostream* os)
{
    *os << c.name;
}

const QString QuitText = QStringLiteral("Are you sure you want to exit program?");
const QString QuitTitle = QStringLiteral("Quit Halvex Programmer");
const QString AppTitle = QStringLiteral("Halvex Programmer V3.4.5");

// The warning as the user must read it, put together here piece by piece.
QString expectedWarning()
{
    const QString crlf = QStringLiteral("\r\n");
    const QStringList paragraphs = {
        QStringLiteral("Improper use of this software may cause the radio product to operate ") +
            QStringLiteral("in a configuration which contravenes the laws, statutes and ") +
            QStringLiteral("regulations of the communications governing authority."),
        QStringLiteral("Setting of Transmitter Frequencies, Transmitter Output Power levels ") +
            QStringLiteral("and any other variable which may cause the radio to cause interference ") +
            QStringLiteral("to other users is considered by most Communications Authorities as a ") +
            QStringLiteral("serious offence, and must be avoided at all times."),
        QStringLiteral("This software is an AID to alignment and configuration but is NOT a ") +
            QStringLiteral("qualified measuring instrument, and must not be used as such."),
        QStringLiteral("All changes to the radio effected by this software MUST be confirmed ") +
            QStringLiteral("as correct and legal by fully calibrated test equipment operated by ") +
            QStringLiteral("qualified technical personnel as mandated by the local authorities."),
        QStringLiteral("Further use of this software constitutes an acceptance of the above ") +
            QStringLiteral("warning and the agreement by the operator of full and complete ") +
            QStringLiteral("responsibility for installation and operation of the connected radio ") +
            QStringLiteral("unit in accordance with the appropriate laws."),
    };
    return crlf + QStringLiteral("                        **** Warning Warning Warning ****") + crlf + crlf +
           paragraphs.join(crlf + crlf);
}

class StartUpTest : public ProgramFixture {
protected:
    // The whole start-up; the watch's hook answers the warning.
    MainForm* RunMain(double random = 0.0)
    {
        return StartModule::Main(seams, [random] { return random; });
    }
};

struct SplashCase {
    const char* name;
    int loadMs;
    // When the splash goes, counted from when it came up (an event pass moves the
    // fake clock by 1 ms).
    int64_t hiddenAfterMs;
    // Event passes from the splash coming up to it going; -1: not checked.
    int eventPasses;
};

class SplashTimingTest : public StartUpTest, public ::testing::WithParamInterface<SplashCase> {};

TEST_P(SplashTimingTest, TheSplashStaysForThreeSecondsOrUntilTheFirstEventPassAfterALongerLoad)
{
    const SplashCase& c = GetParam();
    SlowLoadPort slowPort(port, clock, c.loadMs);
    seams.port = &slowPort;
    WindowWatch splash(clock, QStringLiteral("Splash"));
    WindowWatch warning(clock, QStringLiteral("Warn_Form"));
    bool splashUpAtWarning = true;
    warning.OnShown = [&](QWidget* window) {
        splashUpAtWarning = !splash.Hidden().Seen;
        window->findChild<QPushButton*>(QStringLiteral("AcceptButon"))->click();
    };

    form.reset(RunMain());

    ASSERT_TRUE(form);
    ASSERT_TRUE(splash.Shown().Seen);
    ASSERT_TRUE(splash.Hidden().Seen);
    EXPECT_EQ(splash.Hidden().AtMs - splash.Shown().AtMs, c.hiddenAfterMs);
    if (c.eventPasses >= 0) {
        EXPECT_EQ(splash.Hidden().EventPasses - splash.Shown().EventPasses, c.eventPasses);
    }
    EXPECT_FALSE(splashUpAtWarning);
    EXPECT_TRUE(warning.Shown().Seen);
    EXPECT_GE(warning.Shown().AtMs, splash.Hidden().AtMs);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->windowTitle(), "Halvex Programmer");
    EXPECT_TRUE(ends.isEmpty());
    EXPECT_TRUE(prompt.Boxes().isEmpty()) << prompt.Texts().join(" | ").toStdString();
}

INSTANTIATE_TEST_SUITE_P(Loads, SplashTimingTest,
                         ::testing::Values(SplashCase{"Instant", 0, 3000, -1}, SplashCase{"Short", 1200, 3000, -1},
                                           SplashCase{"JustUnder", 2999, 3000, 1},
                                           SplashCase{"Exactly", 3000, 3001, 1},
                                           SplashCase{"Long", 4000, 4001, 1}, SplashCase{"VeryLong", 9500, 9501, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(StartUpTest, TheWarningTextIsExact)
{
    ASSERT_TRUE(Load());
    EXPECT_EQ(Warn_Form::WarningText(), expectedWarning());
    Warn_Form warning(*form, [] { return 0.0; });
    EXPECT_EQ(warning.windowTitle(), "Warning");
    EXPECT_EQ(warning.AcceptButon->text(), "&Accept");
    EXPECT_EQ(warning.CloseButon->text(), "&Close");
    // The box shows each CRLF as one line break.
    QString shown = expectedWarning();
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    EXPECT_EQ(warning.Warning_Box->toPlainText(), shown);
    EXPECT_EQ(warning.Warning_Box->document()->blockCount(), 12);
    EXPECT_TRUE(warning.Warning_Box->isReadOnly());
}

struct OrderCase {
    const char* name;
    double random;
    bool swapped;
};

class WarningButtonOrderTest : public StartUpTest, public ::testing::WithParamInterface<OrderCase> {};

TEST_P(WarningButtonOrderTest, ADrawAboveOneHalfSwapsTheButtons)
{
    ASSERT_TRUE(Load());
    int draws = 0;
    Warn_Form plain(*form, [&] { return 0.0; });
    const int acceptLeft = plain.AcceptButon->x();
    const int closeLeft = plain.CloseButon->x();
    ASSERT_LT(acceptLeft, closeLeft) << "Accept stands left of Close as designed";

    Warn_Form warning(*form, [&] {
        ++draws;
        return GetParam().random;
    });
    EXPECT_EQ(draws, 1);
    EXPECT_EQ(warning.AcceptButon->x(), GetParam().swapped ? closeLeft : acceptLeft);
    EXPECT_EQ(warning.CloseButon->x(), GetParam().swapped ? acceptLeft : closeLeft);
    EXPECT_EQ(warning.AcceptButon->y(), warning.CloseButon->y());
}

INSTANTIATE_TEST_SUITE_P(Draws, WarningButtonOrderTest,
                         ::testing::Values(OrderCase{"Zero", 0.0, false}, OrderCase{"Low", 0.3, false},
                                           OrderCase{"OneHalf", 0.5, false},
                                           OrderCase{"JustAboveOneHalf", 0.5000001, true},
                                           OrderCase{"High", 0.75, true}, OrderCase{"Highest", 0.9999, true}),
                         [](const auto& info) { return std::string(info.param.name); });

enum class Leave { CloseButton, EscapeKey, CloseBox };

struct CloseCase {
    const char* name;
    Leave how;
    MsgResult answer;
};

class WarningCloseTest : public StartUpTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(WarningCloseTest, CloseAsksTheQuitQuestion)
{
    const CloseCase& c = GetParam();
    SaveStartUp(QStringLiteral("FileName1"), QStringLiteral("/home/tech/site-a"));
    prompt.Answer(c.answer);
    WindowWatch warning(clock, QStringLiteral("Warn_Form"));
    warning.OnShown = [&](QWidget* window) {
        auto* dialog = static_cast<Warn_Form*>(window);
        switch (c.how) {
        case Leave::CloseButton: dialog->CloseButon->click(); break;
        case Leave::EscapeKey: QTest::keyClick(dialog, Qt::Key_Escape); break;
        case Leave::CloseBox: dialog->close(); break;
        }
        // Whatever happened, the warning must be gone or the run would hang here.
        if (dialog->isVisible()) dialog->done(QDialog::Accepted);
    };

    MainForm* shown = RunMain(0.9);

    ASSERT_TRUE(warning.Hidden().Seen);
    ASSERT_EQ(prompt.Boxes().size(), 1);
    EXPECT_EQ(prompt.Boxes()[0].Text, QuitText);
    EXPECT_EQ(prompt.Boxes()[0].Title, QuitTitle);
    EXPECT_EQ(prompt.Boxes()[0].Buttons, MsgButtons::OKCancel);
    if (c.answer == MsgResult::OK) {
        EXPECT_EQ(shown, nullptr);
        EXPECT_EQ(ends, QList<int>{0});
        EXPECT_EQ(StartUp(QStringLiteral("CommPort")), "1");
        EXPECT_EQ(StartUp(QStringLiteral("InitDir")), "1");
    } else {
        form.reset(shown);
        ASSERT_TRUE(form);
        EXPECT_TRUE(form->isVisible());
        EXPECT_TRUE(ends.isEmpty());
        EXPECT_TRUE(StartUp(QStringLiteral("CommPort")).isNull());
    }
    EXPECT_EQ(StartUp(QStringLiteral("FileName1")), "/home/tech/site-a");
}

INSTANTIATE_TEST_SUITE_P(Ways, WarningCloseTest,
                         ::testing::Values(CloseCase{"CloseThenOK", Leave::CloseButton, MsgResult::OK},
                                           CloseCase{"CloseThenCancel", Leave::CloseButton, MsgResult::Cancel},
                                           CloseCase{"EscapeThenOK", Leave::EscapeKey, MsgResult::OK},
                                           CloseCase{"EscapeThenCancel", Leave::EscapeKey, MsgResult::Cancel},
                                           CloseCase{"CloseBoxThenOK", Leave::CloseBox, MsgResult::OK},
                                           CloseCase{"CloseBoxThenCancel", Leave::CloseBox, MsgResult::Cancel}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(StartUpTest, AcceptShowsTheMainWindowWithoutAQuestion)
{
    WindowWatch warning(clock, QStringLiteral("Warn_Form"));
    warning.OnShown = [](QWidget* window) { static_cast<Warn_Form*>(window)->AcceptButon->click(); };
    form.reset(RunMain(0.1));
    ASSERT_TRUE(form);
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(prompt.Boxes().isEmpty());
    EXPECT_TRUE(ends.isEmpty());
    EXPECT_EQ(form->VellModem1->Database(), QDir(seams.dataDir).filePath("Modem.mdb"));
}

enum class Database { Version, Missing, NotADatabase };

struct DatabaseCase {
    const char* name;
    Database kind;
    int version;
};

class DatabaseCheckTest : public StartUpTest, public ::testing::WithParamInterface<DatabaseCase> {};

TEST_P(DatabaseCheckTest, AWrongOrMissingDatabaseEndsTheLoad)
{
    const DatabaseCase& c = GetParam();
    DatabaseFolder folder(c.kind == Database::Missing ? DatabaseFolder::Empty : DatabaseFolder::CopyOfModemMdb);
    if (c.kind == Database::Version)
        folder.Run({QStringLiteral("update Version set Version=%1").arg(c.version)});
    if (c.kind == Database::NotADatabase) {
        QFile file(folder.DatabasePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QByteArray(4096, 'x'));
    }
    seams.dataDir = folder.Path();
    SaveStartUp(QStringLiteral("CommPort"), QStringLiteral("4"));

    EXPECT_FALSE(Load());

    const QString expected =
        c.kind == Database::Version
            ? QStringLiteral("Versions of Programmer and Database Files are not the same, Contact Orvane Sypheral")
        : c.kind == Database::Missing ? QStringLiteral("Could not find file '%1'.").arg(folder.DatabasePath())
                                      : QStringLiteral("Unrecognized database format '%1'.").arg(folder.DatabasePath());
    ASSERT_EQ(prompt.Boxes().size(), 1);
    EXPECT_EQ(prompt.Boxes()[0].Text, expected);
    EXPECT_EQ(prompt.Boxes()[0].Title, AppTitle);
    EXPECT_EQ(prompt.Boxes()[0].Buttons, MsgButtons::OK);
    ASSERT_EQ(ends.size(), 1);
    EXPECT_NE(ends[0], 0);
    EXPECT_EQ(QFileInfo::exists(folder.DatabasePath()), c.kind != Database::Missing);
    EXPECT_EQ(QDir(folder.Path()).entryList(QDir::Files).size(), c.kind == Database::Missing ? 0 : 1);
    EXPECT_EQ(StartUp(QStringLiteral("CommPort")), "4");
}

INSTANTIATE_TEST_SUITE_P(Databases, DatabaseCheckTest,
                         ::testing::Values(DatabaseCase{"Version2", Database::Version, 2},
                                           DatabaseCase{"Version4", Database::Version, 4},
                                           DatabaseCase{"Version0", Database::Version, 0},
                                           DatabaseCase{"Missing", Database::Missing, 0},
                                           DatabaseCase{"NotADatabase", Database::NotADatabase, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(StartUpTest, AVersionMismatchEndsWithTheSplashUpAndNoWarning)
{
    DatabaseFolder folder;
    folder.Run({QStringLiteral("update Version set Version=2")});
    seams.dataDir = folder.Path();
    WindowWatch splash(clock, QStringLiteral("Splash"));
    WindowWatch warning(clock, QStringLiteral("Warn_Form"));
    warning.OnShown = [](QWidget* window) { static_cast<Warn_Form*>(window)->AcceptButon->click(); };
    bool splashUp = false;
    prompt.OnShow = [&](const QString&) {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == "Splash") splashUp = w->isVisible();
    };

    EXPECT_EQ(RunMain(), nullptr);

    EXPECT_TRUE(splashUp);
    EXPECT_FALSE(warning.Shown().Seen);
    EXPECT_EQ(prompt.Texts(),
              QStringList{"Versions of Programmer and Database Files are not the same, Contact Orvane Sypheral"});
    ASSERT_EQ(ends.size(), 1);
    EXPECT_NE(ends[0], 0);
}

struct KeyCase {
    int key;
    bool kept;
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << "key code " << c.key; }

class NumericKeyFilterTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(NumericKeyFilterTest, DigitsPointMinusBackspaceAndEnterPass)
{
    const int key = GetParam().key;
    const int before = key;
    EXPECT_EQ(NumericKeyFilter(key), GetParam().kept ? key : 0);
    EXPECT_EQ(key, before);
}

INSTANTIATE_TEST_SUITE_P(Keys, NumericKeyFilterTest,
                         ::testing::Values(KeyCase{'0', true}, KeyCase{'5', true}, KeyCase{'9', true},
                                           KeyCase{'.', true}, KeyCase{'-', true}, KeyCase{8, true},
                                           KeyCase{13, true}, KeyCase{'+', false}, KeyCase{',', false},
                                           KeyCase{' ', false}, KeyCase{'a', false}, KeyCase{'Z', false},
                                           KeyCase{'e', false}, KeyCase{'/', false}, KeyCase{':', false},
                                           KeyCase{10, false}, KeyCase{27, false}, KeyCase{127, false},
                                           KeyCase{0, false}),
                         [](const auto& info) { return "Code" + std::to_string(info.param.key); });

}  // namespace
