// The unit function dialog (master or remote) and the remote unit's back-off timer.
#include "MainWindowFixture.h"

#include "MasRemSel.h"
#include "NumericBox.h"
#include "SupSel.h"
#include "Twips.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {

class UnitFunctionTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        ReadModem();
        unit = &form->MasRemSelForm();
        timer = &form->SupSelForm();
    }

    void OpenUnit(const std::function<void()>& body, const std::function<void()>& leave = {})
    {
        const QString opened = WhileModal([&] { unit->ShowModal(); }, [&](QWidget*) {
            body();
            if (leave) leave();
            else unit->Finish->click();
        });
        EXPECT_EQ(opened, QStringLiteral("MasRemSel"));
    }

    // The back-off timer, reached through "Advanced".
    void OpenTimer(const std::function<void()>& body, const std::function<void()>& leave = {})
    {
        OpenUnit([&] {
            ASSERT_TRUE(unit->CAAdvance->isEnabled());
            const QString opened = WhileModal([&] { unit->CAAdvance->click(); }, [&](QWidget*) {
                body();
                if (leave) leave();
                else timer->Finish->click();
            });
            EXPECT_EQ(opened, QStringLiteral("SupSel"));
        });
    }

    MasRemSel* unit = nullptr;
    SupSel* timer = nullptr;
};

TEST_F(UnitFunctionTest, TheUnitFunctionShowsTheModeAndTheUnit)
{
    EXPECT_EQ(unit->windowTitle(), QStringLiteral("Select Unit Function"));
    const struct {
        int CAvoid;
        bool remote, advanced, tall;
    } cases[] = {
        {6, false, false, false}, {7, true, true, false}, {2, false, true, true},
        {3, true, true, true},    {4, false, true, true}, {5, true, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "CAvoid " << c.CAvoid);
        Current().CAvoid = int16_t(c.CAvoid);
        OpenUnit([&] {
            EXPECT_EQ(unit->CARemote->isChecked(), c.remote);
            EXPECT_EQ(unit->CAMaster->isChecked(), !c.remote);
            EXPECT_EQ(unit->CAAdvance->isEnabled(), c.advanced);
            const int twips = c.tall ? MasRemSel::TallHeight : MasRemSel::ShortHeight;
            EXPECT_EQ(unit->frameGeometry().height(), Twips::ToPixels(twips));
            EXPECT_EQ(unit->Label1->isVisible(), c.tall);
        });
        EXPECT_EQ(Current().CAvoid, c.CAvoid);
    }
    EXPECT_TRUE(TakeMessages().isEmpty());
}

// Showing the unit is not choosing it: a remote unit that delays before its
// transmit attempts keeps doing so.
TEST_F(UnitFunctionTest, ShowingARemoteUnitKeepsItsTransmitAttemptChoice)
{
    for (int code : {7, 3, 5}) {
        SCOPED_TRACE(testing::Message() << "CAvoid " << code);
        Current().CAvoid = int16_t(code);
        Current().TryBeforeTX = false;
        OpenTimer([&] { EXPECT_TRUE(timer->DelayAfter->isChecked()); });
        EXPECT_FALSE(Current().TryBeforeTX);
        EXPECT_EQ(Current().CAvoid, code);
        // From a master unit's display to a remote one's.
        Current().CAvoid = 6;
        OpenUnit([] {});
    }
    EXPECT_TRUE(TakeMessages().isEmpty());
}

TEST_F(UnitFunctionTest, MasterAndRemoteSetBitZeroOnly)
{
    Current().CAvoid = 6;
    Current().TryBeforeTX = false;
    OpenUnit([&] {
        Click(unit->CARemote);
        EXPECT_EQ(Current().CAvoid, 7);
        EXPECT_TRUE(Current().TryBeforeTX);
        EXPECT_TRUE(unit->CAAdvance->isEnabled());
        Click(unit->CAMaster);
        EXPECT_EQ(Current().CAvoid, 6);
        EXPECT_FALSE(unit->CAAdvance->isEnabled());
    });
    // Becoming remote chose "Retry After TX Attempt".
    Current().CAvoid = 6;
    Current().TryBeforeTX = false;
    OpenUnit([&] {
        Click(unit->CARemote);
        const QString opened = WhileModal([&] { unit->CAAdvance->click(); }, [&](QWidget*) {
            EXPECT_TRUE(timer->DelayBefore->isChecked());
            timer->Finish->click();
        });
        EXPECT_EQ(opened, QStringLiteral("SupSel"));
    });
    EXPECT_TRUE(TakeMessages().isEmpty());
}

TEST_F(UnitFunctionTest, TheBackOffTimerCommitsWholeNumbersOrIsRolledBack)
{
    EXPECT_EQ(timer->windowTitle(), QStringLiteral("Adjusting Advance Collision Avoidance Setting"));
    const struct {
        NumericBox* SupSel::*box;
        int32_t ModemSetting::*member;
        const char* typed;
        int32_t stored;
        const char* shown;
        const char* refusal;
    } cases[] = {
        {&SupSel::MaxSlot, &ModemSetting::NoOfSlot, "0012", 12, "12", nullptr},
        {&SupSel::MaxSlot, &ModemSetting::NoOfSlot, "16", 16, "16", nullptr},
        {&SupSel::MaxSlot, &ModemSetting::NoOfSlot, "17", 4, "4", "Number of Slot must be between 0 and 16!!"},
        {&SupSel::SlotTime, &ModemSetting::TimePerSlot, "255", 255, "255", nullptr},
        {&SupSel::SlotTime, &ModemSetting::TimePerSlot, "256", 10, "10", "Time Per Slot must be between 0 and 255!!"},
        {&SupSel::SlotTime, &ModemSetting::TimePerSlot, "", 10, "", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        Current().CAvoid = 3;
        OpenTimer(
            [&] {
                TakeMessages();
                NumericBox* box = timer->*c.box;
                Type(box, QString::fromLatin1(c.typed));
                EXPECT_EQ(Current().*c.member, c.stored);
                EXPECT_EQ(box->text(), QString::fromLatin1(c.shown));
                EXPECT_EQ(TakeMessages(), c.refusal ? QStringList{c.refusal} : QStringList());
                // An emptied box keeps the focus until it holds a number.
                if (c.shown[0] == '\0') {
                    EXPECT_EQ(timer->focusWidget(), box);
                }
            },
            [&] { timer->hide(); });
        Current().NoOfSlot = 4;
        Current().TimePerSlot = 10;
    }
}

TEST_F(UnitFunctionTest, TheTransmitAttemptChoiceWritesTryBeforeTX)
{
    const struct {
        const char* firmware;
        bool refused;
    } cases[] = {{"3.1", false}, {"2.3.1", false}, {"2.2", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.firmware);
        Current().Firmware = QString::fromLatin1(c.firmware);
        Current().CAvoid = 7;
        Current().TryBeforeTX = true;
        OpenTimer([&] {
            EXPECT_TRUE(timer->DelayBefore->isChecked());
            TakeMessages();
            Click(timer->DelayAfter);
            EXPECT_EQ(Current().TryBeforeTX, c.refused);
            EXPECT_EQ(timer->DelayBefore->isChecked(), c.refused);
            EXPECT_EQ(TakeMessages(), c.refused ? QStringList{"Firmware before 2.3.1 doesn't support \"Delay Before Tx Attempt\"!!"}
                                                : QStringList());
            if (c.refused) return;
            Click(timer->DelayBefore);
            EXPECT_TRUE(Current().TryBeforeTX);
        });
    }
}

TEST_F(UnitFunctionTest, EscapeAndTheCloseBoxLeaveAsFinishDoes)
{
    for (const char* way : {"Escape", "close box"}) {
        SCOPED_TRACE(way);
        Current().CAvoid = 3;
        Current().NoOfSlot = 4;
        OpenTimer([&] { timer->MaxSlot->setText(QStringLiteral("9")); },
                  [&] {
                      if (QLatin1String(way) == QLatin1String("Escape")) PressKey(timer, Qt::Key_Escape);
                      else timer->close();
                      EXPECT_FALSE(timer->isVisible());
                  });
        // The back-off timer commits its boxes when it is left.
        EXPECT_EQ(Current().NoOfSlot, 9);
    }
    OpenUnit([] {}, [&] { PressKey(unit, Qt::Key_Escape); });
    EXPECT_FALSE(unit->isVisible());
}

}  // namespace
