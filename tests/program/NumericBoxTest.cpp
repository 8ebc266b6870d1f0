// The five numeric boxes: the key filter, the cut, the conversions, the transmit
// frequency's built-in receive frequency, refusals, and when a box commits.
#include "ProgramFixture.h"
#include "WindowWatch.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QRadioButton>
#include <QTest>
#include <QToolBar>
#include <QVBoxLayout>

#include <functional>
#include <memory>

namespace {

// A failing case is told by its name.
template <typename Case>
    requires requires(const Case& c) { c.name; }
void PrintTo(const Case& c, std::ostream* os)
{
    *os << c.name;
}

// The configuration member behind each box, as a number.
double member(const ModemSetting& m, const QString& box)
{
    if (box == "TransFreq") return m.TXRadio.TXFreq;
    if (box == "RXFreq") return m.RXRadio.RXFreq;
    if (box == "PTTTime") return m.PTTTimeout;
    if (box == "TXDelay") return m.TXRadio.TXDelay;
    if (box == "RSSI") return m.RSSI;
    ADD_FAILURE() << "no box " << box.toStdString();
    return 0;
}

class NumericBoxTest : public ProgramFixture {
protected:
    // The main window after a Read of the profile's modem, with the power and
    // signal settings opened for editing as the answer Yes to overwriting them does.
    void ReadProfile(const std::string& profile = "default")
    {
        Play(profile);
        ASSERT_TRUE(Load());
        ASSERT_TRUE(ReadModem()) << prompt.Texts().join(" | ").toStdString();
        ModemSetting& m = form->CurrentModem;
        m.WriteTxPwr = m.TXRadio.WriteTxPwr = m.RXRadio.WriteTxPwr = true;
        form->WriteTxOn->setChecked(true);
        form->DoEnableWriteTxFrame(true);
        prompt.Clear();
    }
    // Shown and active, so that the boxes can take the focus.
    void ShowActive()
    {
        form->show();
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    NumericBox* Box(const QString& name) const { return Find<NumericBox>(name); }
    double Member(const QString& box) const { return member(form->CurrentModem, box); }
    // Replaces the box's text through the keyboard and its key filter.
    void Type(NumericBox* box, const QString& text)
    {
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }
    void TypeAndEnter(const QString& box, const QString& text)
    {
        Type(Box(box), text);
        QTest::keyClick(Box(box), Qt::Key_Return);
    }
};

TEST_F(NumericBoxTest, TheFilterDropsLettersPlusCommaAndBlankAndKeepsEveryPointAndMinus)
{
    ReadProfile("lumbrel-fdx");
    for (const char* name : {"TransFreq", "RXFreq", "PTTTime", "TXDelay", "RSSI"}) {
        SCOPED_TRACE(name);
        NumericBox* box = Box(QString::fromLatin1(name));
        ASSERT_TRUE(box->isEnabled());
        const double before = Member(name);
        Type(box, QStringLiteral("1a2+3, 4-5.6.-xZ"));
        EXPECT_EQ(box->text(), "1234-5.6.-");
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClick(box, Qt::Key_Home);
        QTest::keyClick(box, Qt::Key_Delete);
        EXPECT_EQ(box->text(), "234-5.6.");
        EXPECT_EQ(Member(name), before) << "typing alone commits nothing";
    }
    EXPECT_TRUE(prompt.Boxes().isEmpty());
}

struct EntryCase {
    const char* name;
    const char* profile;
    const char* box;
    const char* typed;
    double stored;
    const char* shown;
};

class NumericEntryTest : public NumericBoxTest, public ::testing::WithParamInterface<EntryCase> {};

TEST_P(NumericEntryTest, EnterStoresTheCutRoundedValueAndShowsItBack)
{
    const EntryCase& c = GetParam();
    ReadProfile(c.profile);
    TypeAndEnter(c.box, c.typed);
    EXPECT_EQ(Member(c.box), c.stored);
    EXPECT_EQ(Box(c.box)->text(), c.shown);
    EXPECT_TRUE(prompt.Boxes().isEmpty()) << prompt.Texts().join(" | ").toStdString();
    EXPECT_FALSE(form->StopWrite);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, NumericEntryTest,
    ::testing::Values(
        // The cut: 10 characters for the frequencies, 9 for the others.
        EntryCase{"TransFreqCutAt10", "default", "TransFreq", "00000930.15", 930.1, "930.10000"},
        EntryCase{"RXFreqCutAt10", "lumbrel-fdx", "RXFreq", "00000466.525", 466.5, "466.50000"},
        EntryCase{"PTTTimeCutAt9", "default", "PTTTime", "0000000300", 30, "30"},
        EntryCase{"TXDelayCutAt9", "default", "TXDelay", "0000000015", 1, "1"},
        EntryCase{"RSSICutAt9", "default", "RSSI", "-000000999", -99, "-99"},
        // Halves go to the even neighbour.
        EntryCase{"TXDelay12Point5", "default", "TXDelay", "12.5", 12, "12"},
        EntryCase{"TXDelay13Point5", "default", "TXDelay", "13.5", 14, "14"},
        EntryCase{"TXDelayHalf", "default", "TXDelay", "0.5", 0, "0"},
        EntryCase{"TXDelay199Point5", "default", "TXDelay", "199.5", 200, "200"},
        EntryCase{"TXDelayBelowHalf", "default", "TXDelay", "7.49", 7, "7"},
        EntryCase{"PTTTime30Point5", "default", "PTTTime", "30.5", 30, "30"},
        EntryCase{"RSSIMinus105", "default", "RSSI", "-105", -105, "-105"},
        EntryCase{"RSSIMinus100Point5", "default", "RSSI", "-100.5", -100, "-100"},
        EntryCase{"RSSIMinus101Point5", "default", "RSSI", "-101.5", -102, "-102"},
        // The leading number counts; a lone sign or point is 0.
        EntryCase{"PTTTimeLoneMinus", "default", "PTTTime", "-", 0, "0"},
        EntryCase{"PTTTimeLonePoint", "default", "PTTTime", ".", 0, "0"},
        EntryCase{"TXDelaySecondPoint", "default", "TXDelay", "1.5.5", 2, "2"},
        EntryCase{"TXDelayMinusAfterDigit", "default", "TXDelay", "25-3", 25, "25"},
        EntryCase{"RXFreqFourDigitsOfMHz", "lumbrel-fdx", "RXFreq", "465.0125", 465.0125, "465.01250"}),
    [](const auto& info) { return std::string(info.param.name); });

struct FollowCase {
    const char* name;
    const char* profile;
    const char* typed;
    double tx;
    const char* txShown;
    double rx;
    const char* rxShown;
};

class TransmitFrequencyTest : public NumericBoxTest, public ::testing::WithParamInterface<FollowCase> {};

TEST_P(TransmitFrequencyTest, ABuiltInPairReceives76MHzAway)
{
    const FollowCase& c = GetParam();
    ReadProfile(c.profile);
    TypeAndEnter("TransFreq", c.typed);
    EXPECT_EQ(form->CurrentModem.TXRadio.TXFreq, c.tx);
    EXPECT_EQ(form->CurrentModem.RXRadio.RXFreq, c.rx);
    EXPECT_EQ(Box("TransFreq")->text(), c.txShown);
    EXPECT_EQ(Box("RXFreq")->text(), c.rxShown);
    EXPECT_TRUE(prompt.Boxes().isEmpty()) << prompt.Texts().join(" | ").toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Models, TransmitFrequencyTest,
    ::testing::Values(FollowCase{"Type6", "builtin-high", "930.1", 930.1, "930.10000", 930.1 - 76, "854.10000"},
                      FollowCase{"Type7", "builtin-low", "850.1", 850.1, "850.10000", 850.1 + 76, "926.10000"},
                      FollowCase{"ExternalRadios", "lumbrel-fdx", "462.5", 462.5, "462.50000", 465.5, "465.50000"}),
    [](const auto& info) { return std::string(info.param.name); });

struct RefusalCase {
    const char* name;
    const char* box;
    const char* typed;
    const char* message;
    // What the boxes showed while the refusal was up, and after it.
    const char* shownDuring;
    const char* rxDuring;
    const char* shownAfter;
};

class RefusalTest : public NumericBoxTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(RefusalTest, ARefusedValueIsRolledBackAndBlocksTheNextWrite)
{
    const RefusalCase& c = GetParam();
    ReadProfile("builtin-high");
    const double before = Member(c.box);
    const double rxBefore = form->CurrentModem.RXRadio.RXFreq;
    QString during, rxDuring;
    prompt.OnShow = [&](const QString&) {
        during = Box(c.box)->text();
        rxDuring = Box("RXFreq")->text();
    };

    TypeAndEnter(c.box, c.typed);

    ASSERT_EQ(prompt.Boxes().size(), 1) << prompt.Texts().join(" | ").toStdString();
    EXPECT_EQ(prompt.Boxes()[0].Text, c.message);
    EXPECT_EQ(prompt.Boxes()[0].Title, "Error, Invalid setting!");
    EXPECT_EQ(during, c.shownDuring);
    EXPECT_EQ(rxDuring, c.rxDuring);
    EXPECT_EQ(Member(c.box), before);
    EXPECT_EQ(form->CurrentModem.RXRadio.RXFreq, rxBefore);
    EXPECT_EQ(Box(c.box)->text(), c.shownAfter);
    EXPECT_EQ(Box("RXFreq")->text(), "854.00000");
    EXPECT_TRUE(form->StopWrite);

    // An accepted edit leaves the block; only the commit of every box before a write lifts it.
    prompt.OnShow = nullptr;
    TypeAndEnter("TXDelay", "20");
    EXPECT_EQ(form->CurrentModem.TXRadio.TXDelay, 20);
    EXPECT_TRUE(form->StopWrite);
    form->ResetAllText();
    EXPECT_FALSE(form->StopWrite);
    EXPECT_EQ(prompt.Boxes().size(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, RefusalTest,
    ::testing::Values(
        RefusalCase{"FrequencyOutOfBand", "TransFreq", "935", "The transmit freq of modem is limited to between 924 and 934",
                    "935.00000", "859.00000", "930.00000"},
        RefusalCase{"FrequencyOffTheChannelRaster", "TransFreq", "930.11",
                    "Invalid frequency.  Check Frequency Licence/Assignment", "930.11000", "854.11000", "930.00000"},
        RefusalCase{"DelayTooLong", "TXDelay", "250", "TX lead in delay must be between 0 and 200!!", "250",
                    "854.00000", "10"},
        RefusalCase{"NegativeDelay", "TXDelay", "-1", "TX lead in delay must be between 0 and 200!!", "-1",
                    "854.00000", "10"},
        RefusalCase{"PttTimeoutTooLong", "PTTTime", "655.5", "PTT Timeout must be between 0 and 655 second!!",
                    "656", "854.00000", "30"},
        RefusalCase{"SignalTooStrong", "RSSI", "-28.5", "Minimum RX signal must be between -130 and -30!!", "-28",
                    "854.00000", "-100"},
        RefusalCase{"LoneMinusInRSSI", "RSSI", "-", "Minimum RX signal must be between -130 and -30!!", "0",
                    "854.00000", "-100"},
        RefusalCase{"NineDigitTimeout", "PTTTime", "999999999", "PTT Timeout must be between 0 and 655 second!!",
                    "999999999", "854.00000", "30"}),
    [](const auto& info) { return std::string(info.param.name); });

enum class Commit { Enter, Tab, Click };

struct CommitCase {
    const char* name;
    const char* box;
    const char* typed;
    double stored;
    Commit how;
};

class CommitTest : public NumericBoxTest, public ::testing::WithParamInterface<CommitCase> {};

TEST_P(CommitTest, ABoxCommitsOnEnterAndWhenTheUserLeavesIt)
{
    const CommitCase& c = GetParam();
    ReadProfile();
    ShowActive();
    NumericBox* box = Box(c.box);
    box->setFocus(Qt::MouseFocusReason);
    ASSERT_TRUE(box->hasFocus());
    const double before = Member(c.box);
    Type(box, c.typed);
    EXPECT_EQ(Member(c.box), before);
    switch (c.how) {
    case Commit::Enter: QTest::keyClick(box, Qt::Key_Return); break;
    case Commit::Tab: QTest::keyClick(box, Qt::Key_Tab); break;
    case Commit::Click: QTest::mouseClick(Box(c.box == QString("RSSI") ? "TXDelay" : "RSSI"), Qt::LeftButton); break;
    }
    EXPECT_EQ(Member(c.box), c.stored);
    EXPECT_EQ(box->hasFocus(), c.how == Commit::Enter);
    EXPECT_TRUE(prompt.Boxes().isEmpty()) << prompt.Texts().join(" | ").toStdString();
}

INSTANTIATE_TEST_SUITE_P(Ways, CommitTest,
                         ::testing::Values(CommitCase{"TransFreqEnter", "TransFreq", "929.5", 929.5, Commit::Enter},
                                           CommitCase{"TransFreqTab", "TransFreq", "929.5", 929.5, Commit::Tab},
                                           CommitCase{"TransFreqClick", "TransFreq", "929.5", 929.5, Commit::Click},
                                           CommitCase{"PTTTimeTab", "PTTTime", "45", 45, Commit::Tab},
                                           CommitCase{"TXDelayClick", "TXDelay", "20", 20, Commit::Click},
                                           CommitCase{"RSSITab", "RSSI", "-90", -90, Commit::Tab},
                                           CommitCase{"RSSIClick", "RSSI", "-90", -90, Commit::Click}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(NumericBoxTest, AnotherWindowOrAPopupTakingTheFocusCommitsNothing)
{
    ReadProfile();
    ShowActive();
    NumericBox* box = Box("TXDelay");
    box->setFocus(Qt::MouseFocusReason);
    Type(box, QStringLiteral("20"));

    QWidget other;
    auto* layout = new QVBoxLayout(&other);
    auto* otherBox = new QLineEdit(&other);
    layout->addWidget(otherBox);
    other.show();
    QApplication::setActiveWindow(&other);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    otherBox->setFocus();
    EXPECT_FALSE(box->hasFocus());
    EXPECT_EQ(form->CurrentModem.TXRadio.TXDelay, 10);
    EXPECT_EQ(box->text(), "20");

    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    EXPECT_TRUE(box->hasFocus());
    QMenu menu;
    menu.addAction(QStringLiteral("Item"));
    menu.popup(box->mapToGlobal(QPoint(0, 0)));
    QTest::qWait(20);
    menu.close();
    EXPECT_EQ(form->CurrentModem.TXRadio.TXDelay, 10);

    QTest::keyClick(box, Qt::Key_Tab);
    EXPECT_EQ(form->CurrentModem.TXRadio.TXDelay, 20);
    EXPECT_EQ(box->text(), "20");
    EXPECT_TRUE(prompt.Boxes().isEmpty());
}

TEST_F(NumericBoxTest, ARefusalInARealMessageBoxCommitsOnce)
{
    // The program's own message boxes: the box takes the focus from the text box.
    seams.prompt = nullptr;
    ReadProfile("builtin-high");
    ShowActive();
    WindowWatch boxes(clock, QStringLiteral("QMessageBox"));
    QStringList texts;
    boxes.OnShown = [&](QWidget* window) {
        auto* box = static_cast<QMessageBox*>(window);
        texts << box->text();
        box->accept();
    };
    NumericBox* delay = Box("TXDelay");
    delay->setFocus(Qt::MouseFocusReason);
    Type(delay, QStringLiteral("250"));

    QTest::keyClick(delay, Qt::Key_Return);

    EXPECT_EQ(boxes.ShowCount(), 1);
    EXPECT_EQ(texts, QStringList{"TX lead in delay must be between 0 and 200!!"});
    EXPECT_EQ(form->CurrentModem.TXRadio.TXDelay, 10);
    EXPECT_EQ(delay->text(), "10");
    EXPECT_TRUE(form->StopWrite);
}

struct EmptyCase {
    const char* name;
    const char* box;
    Commit how;
};

class EmptiedBoxTest : public NumericBoxTest, public ::testing::WithParamInterface<EmptyCase> {};

TEST_P(EmptiedBoxTest, AnEmptiedBoxKeepsTheFocusAndItsMember)
{
    const EmptyCase& c = GetParam();
    ReadProfile();
    ShowActive();
    NumericBox* box = Box(c.box);
    box->setFocus(Qt::MouseFocusReason);
    const double before = Member(c.box);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClick(box, c.how == Commit::Enter ? Qt::Key_Return : Qt::Key_Tab);
    QApplication::processEvents();
    EXPECT_EQ(Member(c.box), before);
    EXPECT_EQ(QApplication::focusWidget(), box);
    EXPECT_TRUE(box->text().isEmpty());
    EXPECT_FALSE(form->StopWrite);
    EXPECT_TRUE(prompt.Boxes().isEmpty()) << prompt.Texts().join(" | ").toStdString();
}

INSTANTIATE_TEST_SUITE_P(Boxes, EmptiedBoxTest,
                         ::testing::Values(EmptyCase{"PTTTimeEnter", "PTTTime", Commit::Enter},
                                           EmptyCase{"PTTTimeTab", "PTTTime", Commit::Tab},
                                           EmptyCase{"TransFreqEnter", "TransFreq", Commit::Enter},
                                           EmptyCase{"TXDelayTab", "TXDelay", Commit::Tab},
                                           EmptyCase{"RSSITab", "RSSI", Commit::Tab}),
                         [](const auto& info) { return std::string(info.param.name); });

struct PendingCase {
    const char* name;
    const char* box;
    const char* refused;
    const char* message;
};

class PendingRefusalTest : public NumericBoxTest, public ::testing::WithParamInterface<PendingCase> {};

TEST_P(PendingRefusalTest, AWriteWithARefusedValueInABoxWritesNothingAndTheNextWriteWrites)
{
    const PendingCase& c = GetParam();
    ReadProfile("builtin-high");
    QAction* write = form->Toolbar1->findChild<QAction*>(QStringLiteral("TWRadio"));
    // Typed, not yet committed.
    Type(Box(c.box), c.refused);
    const int writesBefore = CommandCount("WN");

    write->trigger();
    EXPECT_EQ(prompt.Texts(), QStringList{c.message});
    EXPECT_TRUE(form->StopWrite);
    EXPECT_EQ(CommandCount("WN"), writesBefore) << "no write";
    EXPECT_FALSE(form->VellModem1->PortOpen());
    EXPECT_FALSE(form->Busy());
    EXPECT_TRUE(Box(c.box)->isEnabled());

    prompt.Clear();
    write->trigger();
    EXPECT_TRUE(prompt.Boxes().isEmpty()) << prompt.Texts().join(" | ").toStdString();
    EXPECT_FALSE(form->StopWrite);
    EXPECT_GT(CommandCount("WN"), writesBefore);
    EXPECT_FALSE(form->VellModem1->PortOpen());
    EXPECT_FALSE(form->Busy());
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, PendingRefusalTest,
    ::testing::Values(
        PendingCase{"TransFreq", "TransFreq", "935", "The transmit freq of modem is limited to between 924 and 934"},
        PendingCase{"TXDelay", "TXDelay", "201", "TX lead in delay must be between 0 and 200!!"},
        PendingCase{"RSSI", "RSSI", "-131", "Minimum RX signal must be between -130 and -30!!"}),
    [](const auto& info) { return std::string(info.param.name); });

// Every menu command's shortcut, whichever numeric box has the focus: the command
// is asked for, and the box keeps its text, its caret and no selection.
struct MenuShortcut {
    const char* action;
    Qt::Key key;  // with Ctrl
};

const MenuShortcut menuShortcuts[] = {
    {"Menu_Open", Qt::Key_O},  {"Menu_Save", Qt::Key_S},   {"Menu_Print", Qt::Key_P},  {"Menu_Quit", Qt::Key_X},
    {"Menu_Read", Qt::Key_R},  {"Menu_Write", Qt::Key_W},  {"Menu_Wizard", Qt::Key_I}, {"Menu_About", Qt::Key_A},
};
void PrintTo(const MenuShortcut& s, std::ostream* os) { *os << s.action; }

const char* const numericBoxes[] = {"TransFreq", "RXFreq", "PTTTime", "TXDelay", "RSSI"};

class MenuShortcutTest : public NumericBoxTest,
                         public ::testing::WithParamInterface<std::tuple<MenuShortcut, const char*>> {};

TEST_P(MenuShortcutTest, TheMenuCommandWinsOverTheBox)
{
    const auto& [shortcut, boxName] = GetParam();
    ReadProfile("moskar-fdx");  // external radios: the receive box is on too
    ShowActive();
    auto* action = Find<QAction>(QString::fromLatin1(shortcut.action));
    ASSERT_NE(action, nullptr);
    ASSERT_EQ(action->shortcut(), QKeySequence(Qt::CTRL | shortcut.key));
    ASSERT_TRUE(action->isEnabled());
    // What the command does is tested on its own; here only that it is asked for.
    QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
    int asked = 0;
    QObject::connect(action, &QAction::triggered, action, [&] { ++asked; });

    NumericBox* box = Box(QString::fromLatin1(boxName));
    ASSERT_TRUE(box->isEnabled());
    box->setFocus(Qt::MouseFocusReason);
    ASSERT_TRUE(box->hasFocus());
    ASSERT_GE(box->text().size(), 2);
    box->setCursorPosition(1);
    const QString text = box->text();

    QTest::keyClick(box, shortcut.key, Qt::ControlModifier);

    EXPECT_EQ(asked, 1);
    EXPECT_EQ(box->text(), text);
    EXPECT_FALSE(box->hasSelectedText());
    EXPECT_EQ(box->cursorPosition(), 1);
}

INSTANTIATE_TEST_SUITE_P(EveryBox, MenuShortcutTest,
                         ::testing::Combine(::testing::ValuesIn(menuShortcuts), ::testing::ValuesIn(numericBoxes)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).action) + "_" + std::get<1>(info.param);
                         });

TEST_F(NumericBoxTest, AChordNoShortcutTakesStillEditsTheBox)
{
    ReadProfile();
    ShowActive();
    NumericBox* box = Box("TXDelay");
    box->setFocus(Qt::MouseFocusReason);
    Type(box, QStringLiteral("25"));
    QTest::keyClick(box, Qt::Key_Left, Qt::ControlModifier);
    EXPECT_EQ(box->cursorPosition(), 0) << "Ctrl+Left moves a word back";
}

TEST_F(NumericBoxTest, AWriteCommitsTheBoxesAndWritesTheirValues)
{
    ReadProfile("builtin-high");
    Type(Box("TransFreq"), QStringLiteral("931.5"));
    Type(Box("TXDelay"), QStringLiteral("25"));
    form->Menu_Write_Click();
    EXPECT_TRUE(prompt.Boxes().isEmpty()) << prompt.Texts().join(" | ").toStdString();
    EXPECT_EQ(form->CurrentModem.TXRadio.TXFreq, 931.5);
    EXPECT_EQ(form->CurrentModem.RXRadio.RXFreq, 855.5);
    EXPECT_EQ(form->CurrentModem.TXRadio.TXDelay, 25);

    // Read back from the modem as written.
    ASSERT_TRUE(ReadModem()) << prompt.Texts().join(" | ").toStdString();
    EXPECT_EQ(Box("TransFreq")->text(), "931.50000");
    EXPECT_EQ(Box("RXFreq")->text(), "855.50000");
    EXPECT_EQ(Box("TXDelay")->text(), "25");
}

// Text that arrives in one piece is taken whole or refused whole: a comma decimal
// or a letter never turns it into another number. A refusal says why and leaves
// the box as it was, so Enter stores the old value again.
enum class PasteWay { CtrlV, ShiftInsert, MenuPaste, InputMethod };

const char* wayName(PasteWay way)
{
    switch (way) {
    case PasteWay::CtrlV: return "CtrlV";
    case PasteWay::ShiftInsert: return "ShiftInsert";
    case PasteWay::MenuPaste: return "MenuPaste";
    case PasteWay::InputMethod: return "InputMethod";
    }
    return "";
}

void PrintTo(PasteWay way, std::ostream* os) { *os << wayName(way); }

struct PasteCase {
    const char* name;
    const char* box;
    const char* pasted;
    // What the box holds after the paste; the member after Enter.
    const char* shown;
    double stored;
    const char* message;
};

const char* const CommaRefused =
    "The text was not taken: this box takes only the digits 0 to 9, \".\" and \"-\", not \",\".\n"
    "Write the decimal point as \".\".";
const char* const LetterRefused = "The text was not taken: this box takes only the digits 0 to 9, \".\" and \"-\", not \"x\".";

class PastedTextTest : public NumericBoxTest, public ::testing::WithParamInterface<std::tuple<PasteCase, PasteWay>> {};

TEST_P(PastedTextTest, APastedTextIsTakenWholeOrRefusedWithTheOldValueBack)
{
    const auto& [c, way] = GetParam();
    ReadProfile("lumbrel-fdx");
    ShowActive();
    NumericBox* box = Box(c.box);
    ASSERT_TRUE(box->isEnabled());
    box->setFocus(Qt::MouseFocusReason);
    box->selectAll();
    const QString pasted = QString::fromUtf8(c.pasted);
    QApplication::clipboard()->setText(pasted);
    switch (way) {
    case PasteWay::CtrlV: QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier); break;
    case PasteWay::ShiftInsert: QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier); break;
    case PasteWay::MenuPaste: {
        // The Paste of the box's own context menu.
        std::unique_ptr<QMenu> menu(box->createStandardContextMenu());
        QAction* paste = nullptr;
        for (QAction* action : menu->actions())
            if (action->text().remove(QLatin1Char('&')).startsWith(QLatin1String("Paste"))) paste = action;
        ASSERT_TRUE(paste);
        paste->trigger();
        break;
    }
    case PasteWay::InputMethod: {
        QInputMethodEvent commit;
        commit.setCommitString(pasted);
        QApplication::sendEvent(box, &commit);
        break;
    }
    }
    QApplication::processEvents();
    EXPECT_EQ(box->text(), QString::fromLatin1(c.shown));
    EXPECT_EQ(prompt.Texts(), c.message ? QStringList{QString::fromLatin1(c.message)} : QStringList{});
    prompt.Clear();
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(Member(c.box), c.stored);
    EXPECT_TRUE(prompt.Boxes().isEmpty()) << prompt.Texts().join(" | ").toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Pastes, PastedTextTest,
    ::testing::Combine(
        ::testing::Values(PasteCase{"TransFreqComma", "TransFreq", "461,25", "460.50000", 460.5, CommaRefused},
                          PasteCase{"RXFreqComma", "RXFreq", "465,25", "465.50000", 465.5, CommaRefused},
                          PasteCase{"TXDelayComma", "TXDelay", "12,5", "10", 10, CommaRefused},
                          PasteCase{"PTTTimeComma", "PTTTime", "12,5", "30", 30, CommaRefused},
                          PasteCase{"TXDelayLetter", "TXDelay", "x7", "10", 10, LetterRefused},
                          PasteCase{"PTTTimeLetter", "PTTTime", "x7", "30", 30, LetterRefused},
                          PasteCase{"TransFreqPoint", "TransFreq", "461.25", "461.25", 461.25, nullptr},
                          PasteCase{"TXDelayPoint", "TXDelay", "12.5", "12.5", 12, nullptr},
                          PasteCase{"RSSINegative", "RSSI", "-95", "-95", -95, nullptr}),
        ::testing::Values(PasteWay::CtrlV, PasteWay::ShiftInsert, PasteWay::MenuPaste, PasteWay::InputMethod)),
    [](const auto& info) { return std::string(std::get<0>(info.param).name) + "_" + wayName(std::get<1>(info.param)); });

// One character from an input method is a key: the filter drops it silently.
TEST_F(NumericBoxTest, AnInputMethodsCharacterGoesThroughTheKeyFilter)
{
    ReadProfile();
    NumericBox* box = Box("TXDelay");
    Type(box, QStringLiteral("1"));
    for (const char* typed : {"\xc3\xa9", ",", "5", "\xd9\xa3", "."}) {
        QInputMethodEvent commit;
        commit.setCommitString(QString::fromUtf8(typed));
        QApplication::sendEvent(box, &commit);
    }
    EXPECT_EQ(box->text(), "15.");
    EXPECT_TRUE(prompt.Boxes().isEmpty()) << prompt.Texts().join(" | ").toStdString();
}

// The number pad's decimal key types a comma on German, Russian and Turkish
// keyboards: in the numeric boxes it types the point. Elsewhere a comma is dropped.
TEST_F(NumericBoxTest, TheNumberPadsDecimalKeyTypesThePoint)
{
    ReadProfile("lumbrel-fdx");
    const struct {
        const char* box;
        const char* whole;
        const char* fraction;
        double stored;
    } cases[] = {{"TransFreq", "461", "25", 461.25}, {"RXFreq", "466", "125", 466.125},
                 {"TXDelay", "12", "5", 12},        {"PTTTime", "40", "5", 40}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.box);
        NumericBox* box = Box(c.box);
        const QString shown = QString::fromLatin1(c.whole) + '.' + QLatin1String(c.fraction);
        Type(box, QString::fromLatin1(c.whole));
        QTest::keyClick(box, ',', Qt::KeypadModifier);
        QTest::keyClicks(box, QString::fromLatin1(c.fraction), Qt::KeypadModifier);
        EXPECT_EQ(box->text(), shown);
        // The comma of the letter keys stays dropped.
        QTest::keyClick(box, ',');
        EXPECT_EQ(box->text(), shown);
        QTest::keyClick(box, Qt::Key_Enter, Qt::KeypadModifier);
        EXPECT_EQ(Member(c.box), c.stored);
    }
    EXPECT_TRUE(prompt.Boxes().isEmpty()) << prompt.Texts().join(" | ").toStdString();
}

}  // namespace
