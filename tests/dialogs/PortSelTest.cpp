// The port format dialog: each label writes its code into the port at once, a
// refused code is rolled back, and the grey label always marks the port's value.
#include "MainWindowFixture.h"

#include "BackColor.h"
#include "ClickLabel.h"
#include "PortSel.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

namespace {

using Labels = std::map<int, ClickLabel*>;

class PortSelTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        dialog = &form->PortSelForm();
    }

    // Opens the dialog on the port, runs the body in it and leaves it by Finish.
    void Open(PortSetting& port, const std::function<void()>& body = {})
    {
        dialog->OldSetting = &port;
        const QString opened = WhileModal([&] { dialog->GetSetting(); }, [&](QWidget*) {
            if (body) body();
            dialog->Finish->click();
        });
        EXPECT_EQ(opened, QStringLiteral("PortSel"));
    }

    // The index of the one grey label, or -1 when none or more are grey.
    static int Marked(const Labels& labels)
    {
        int marked = -1, grey = 0;
        for (const auto& [index, label] : labels)
            if (BackColor::Of(label) == BackColor::Grey) marked = index, ++grey;
            else EXPECT_EQ(BackColor::Of(label), BackColor::ButtonFace) << index;
        return grey == 1 ? marked : -1;
    }

    void ExpectMarks(const PortSetting& port)
    {
        EXPECT_EQ(Marked(dialog->DataRate), port.CommSpeed);
        EXPECT_EQ(Marked(dialog->Parity), port.Parity);
        EXPECT_EQ(Marked(dialog->DataBit), port.DataBit);
        EXPECT_EQ(Marked(dialog->StopBit), port.StopBit);
    }

    PortSel* dialog = nullptr;
};

// Without a mouse: Tab and the arrows go from label to label, Space chooses one,
// as a click does.
TEST_F(PortSelTest, TheKeyboardReachesAndChoosesEveryLabel)
{
    ReadModem();
    PortSetting& port = Current().PortA;
    port.CommSpeed = 4, port.Parity = 0, port.DataBit = 8, port.StopBit = 1;
    // Each label, as Tab reaches it from the first one.
    const struct {
        const char* label;
        int16_t PortSetting::*member;
        int16_t value;
    } cases[] = {
        {"DataRate(6)", &PortSetting::CommSpeed, 6}, {"DataRate(3)", &PortSetting::CommSpeed, 3},
        {"DataRate(4)", &PortSetting::CommSpeed, 4}, {"Parity(2)", &PortSetting::Parity, 2},
        {"Parity(0)", &PortSetting::Parity, 0},      {"DataBit(7)", &PortSetting::DataBit, 7},
        {"DataBit(8)", &PortSetting::DataBit, 8},    {"StopBit(2)", &PortSetting::StopBit, 2},
    };
    Open(port, [&] {
        QApplication::setActiveWindow(dialog);
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
        for (const auto& c : cases) {
            SCOPED_TRACE(c.label);
            dialog->DataRate.at(6)->setFocus(Qt::TabFocusReason);
            for (int tabs = 0; tabs < 20 && QApplication::focusWidget()->objectName() != QLatin1String(c.label); ++tabs)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            ASSERT_EQ(QApplication::focusWidget()->objectName(), QLatin1String(c.label));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
            EXPECT_EQ(port.*c.member, c.value);
            ExpectMarks(port);
        }
        // The arrows: right along the speeds, then back.
        dialog->DataRate.at(6)->setFocus(Qt::TabFocusReason);
        for (int key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Left, Qt::Key_Up})
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        EXPECT_EQ(QApplication::focusWidget(), dialog->DataRate.at(7));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        EXPECT_EQ(port.CommSpeed, 7);
        ExpectMarks(port);
    });
    EXPECT_TRUE(TakeMessages().isEmpty());
}

TEST_F(PortSelTest, ShowsTheCaptionsOfTheCodes)
{
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Select Character Layer Setting"));
    const std::map<QString, QString> captions = {
        {"DataRate(1)", " 1200"}, {"DataRate(2)", " 2400"}, {"DataRate(3)", " 4800"}, {"DataRate(4)", " 9600"},
        {"DataRate(5)", "19200"}, {"DataRate(6)", "110"},   {"DataRate(7)", "300"},   {"DataRate(8)", "600"},
        {"Parity(0)", "None"},    {"Parity(1)", " Odd"},    {"Parity(2)", "Even"},    {"DataBit(7)", "    7"},
        {"DataBit(8)", "    8"},  {"StopBit(1)", "    1"},  {"StopBit(2)", "    2"},
    };
    for (const auto& [name, caption] : captions) {
        const auto* label = dialog->findChild<QLabel*>(name);
        ASSERT_TRUE(label) << name.toStdString();
        EXPECT_EQ(label->text(), caption) << name.toStdString();
    }
    EXPECT_FALSE(dialog->Finish->autoDefault());
}

TEST_F(PortSelTest, EachLabelWritesItsCodeOrIsRolledBack)
{
    ReadModem();
    struct Case {
        const char* label;
        bool portB;
        int16_t PortSetting::*member;
        int code;
        const char* refusal;
    };
    const Case cases[] = {
        {"DataRate(6)", false, &PortSetting::CommSpeed, 6, nullptr},
        {"DataRate(7)", false, &PortSetting::CommSpeed, 7, nullptr},
        {"DataRate(8)", false, &PortSetting::CommSpeed, 8, nullptr},
        {"DataRate(1)", false, &PortSetting::CommSpeed, 1, nullptr},
        {"DataRate(2)", true, &PortSetting::CommSpeed, 2, nullptr},
        {"DataRate(3)", true, &PortSetting::CommSpeed, 3, nullptr},
        {"DataRate(4)", false, &PortSetting::CommSpeed, 4, nullptr},
        {"DataRate(5)", false, &PortSetting::CommSpeed, 5, "PortA can't be 19200 if PortB is enabled"},
        {"DataRate(5)", true, &PortSetting::CommSpeed, 5, "PortB can't be set to 19200!!"},
        {"Parity(1)", false, &PortSetting::Parity, 1, nullptr},
        {"Parity(2)", true, &PortSetting::Parity, 2, nullptr},
        {"Parity(0)", false, &PortSetting::Parity, 0, nullptr},
        {"DataBit(7)", false, &PortSetting::DataBit, 7, nullptr},
        {"DataBit(8)", true, &PortSetting::DataBit, 8, nullptr},
        {"StopBit(2)", false, &PortSetting::StopBit, 2, nullptr},
        {"StopBit(1)", true, &PortSetting::StopBit, 1, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.label << (c.portB ? " on port B" : " on port A"));
        PortSetting& port = c.portB ? Current().PortB : Current().PortA;
        const int16_t before = port.*c.member;
        Open(port, [&] {
            TakeMessages();
            Click(dialog->findChild<ClickLabel*>(QString::fromLatin1(c.label)));
            EXPECT_EQ(port.*c.member, c.refusal ? before : c.code);
            EXPECT_EQ(TakeMessages(), c.refusal ? QStringList{c.refusal} : QStringList());
            ExpectMarks(port);
        });
        // A refusal in a dialog is undone there; it does not stop the next write.
        EXPECT_FALSE(form->StopWrite);
    }
}

TEST_F(PortSelTest, OpeningForPortBAfterPortAShowsPortB)
{
    ReadModem();
    Current().PortA.CommSpeed = 3;
    Current().PortA.Parity = 2;
    Current().PortA.DataBit = 7;
    Current().PortA.StopBit = 2;
    Open(Current().PortA, [&] { ExpectMarks(Current().PortA); });
    Open(Current().PortB, [&] { ExpectMarks(Current().PortB); });
    // Opening writes the values back unchanged.
    EXPECT_EQ(Current().PortA.FormatLayer(), QStringLiteral("4800,E,7,2"));
    EXPECT_EQ(Current().PortB.FormatLayer(), QStringLiteral("9600,N,8,1"));
    EXPECT_TRUE(TakeMessages().isEmpty());
}

TEST_F(PortSelTest, CodesWithoutALabelShowNothingMarked)
{
    ReadModem();
    PortSetting& port = Current().PortB;
    port.CommSpeed = 9;
    port.Parity = 3;
    port.DataBit = 6;
    port.StopBit = 0;
    Open(port, [&] {
        for (const Labels* labels : {&dialog->DataRate, &dialog->Parity, &dialog->DataBit, &dialog->StopBit})
            EXPECT_EQ(Marked(*labels), -1);
    });
    EXPECT_EQ(port.CommSpeed, 9);
    EXPECT_EQ(port.Parity, 3);
    EXPECT_EQ(port.DataBit, 6);
    EXPECT_EQ(port.StopBit, 0);
}

// Port B at 19200 is refused whatever is clicked; the rollback restores the same
// configuration and must not check it again from its redisplay.
TEST_F(PortSelTest, AConfigurationThatIsAlreadyRefusedRollsBackOnce)
{
    ReadModem();
    Current().PortB.CommSpeed = 5;
    Open(Current().PortB, [&] {
        // One refusal for each of the four values the opening writes back.
        EXPECT_EQ(TakeMessages(), QStringList(4, "PortB can't be set to 19200!!"));
        Click(dialog->Parity[1]);
        EXPECT_EQ(TakeMessages(), QStringList{"PortB can't be set to 19200!!"});
        EXPECT_EQ(Current().PortB.Parity, 0);
        ExpectMarks(Current().PortB);
    });
}

TEST_F(PortSelTest, EscapeAndTheCloseBoxLeaveAsFinishDoes)
{
    ReadModem();
    for (const char* way : {"Escape", "close box"}) {
        SCOPED_TRACE(way);
        dialog->OldSetting = &Current().PortA;
        const QString opened = WhileModal([&] { dialog->GetSetting(); }, [&](QWidget*) {
            Click(dialog->DataBit[7]);
            if (QLatin1String(way) == QLatin1String("Escape")) PressKey(dialog, Qt::Key_Escape);
            else dialog->close();
        });
        EXPECT_EQ(opened, QStringLiteral("PortSel"));
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(Current().PortA.DataBit, 7);
        Current().PortA.DataBit = 8;
    }
}

}  // namespace
