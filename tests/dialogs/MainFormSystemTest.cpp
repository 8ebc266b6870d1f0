// The main window's system parameters: PTT, port B, SID codes, the supervisory
// functions, the write-power choice and the custom options that open the port dialogs.
#include "MainWindowFixture.h"

#include "BackColor.h"
#include "MasRemSel.h"
#include "NumericBox.h"
#include "PacketSel.h"
#include "PortSel.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

class MainFormSystemTest : public MainWindowFixture {
protected:
    // The configuration changed as a file or the wizard would change it, then shown.
    void Show(const std::function<void(ModemSetting&)>& change)
    {
        change(Current());
        form->SetDisplay();
    }

    // The supervision mode that the window shows.
    int ShownMode() const
    {
        if (form->SupCA->isChecked()) return 6;
        const bool e = form->SupEndToEnd->isChecked(), r = form->SupRSSI->isChecked();
        return e ? (r ? 4 : 8) : (r ? 2 : 0);
    }

    // Closes whatever dialog opened with its Finish button.
    static void Finish(QWidget* dialog) { dialog->findChild<QPushButton*>(QStringLiteral("Finish"))->click(); }
};

// The captions a technician finds the system parameters by, as the window is
// built and after a read has filled it.
TEST_F(MainFormSystemTest, TheSystemControlsCarryTheirCaptions)
{
    const struct {
        const char* name;
        const char* caption;
    } controls[] = {
        {"CPTTData", "Auto PTT On Data Only"},
        {"CPTTRTS", "PTT From RTS Signal"},
        {"EnablePortB", "Enabled"},
        {"Frame22", "Stream Address Codes"},
        {"Label27", "SID Codes"},
        {"SIDON", "On"},
        {"SIDOFF", "Off"},
        {"SIDEdit", "Edit SID"},
        {"Frame20", "Supervisory Functions"},
        {"SupOff", "Off"},
        {"SupCA", "Collision Avoidance"},
        {"SupEndToEnd", "End To End Signalling"},
        {"SupRSSI", "RSSI Coll. Avoidance"},
        {"PowAdjust", "Adjust"},
        {"WriteTxOn", "Yes"},
        {"WriteTxOff", "No"},
    };
    auto caption = [this](const char* name) {
        QWidget* w = form->findChild<QWidget*>(QLatin1String(name));
        if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
        if (auto* g = qobject_cast<QGroupBox*>(w)) return g->title();
        if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
        return QStringLiteral("<no such control>");
    };
    for (bool read : {false, true}) {
        if (read) ReadModem();
        for (const auto& c : controls) EXPECT_EQ(caption(c.name), QLatin1String(c.caption)) << c.name << (read ? " after a read" : "");
    }
}

TEST_F(MainFormSystemTest, SimpleSettersWriteTheirMembersOrAreRolledBack)
{
    ReadModem();
    struct Case {
        const char* name;
        std::function<void(ModemSetting&)> before;
        std::function<QWidget*()> control;
        std::function<bool()> done;
        const char* refusal;
    };
    MainForm& f = *form;
    const Case cases[] = {
        {"PTT from RTS", {}, [&] { return f.CPTTRTS; }, [&] { return Current().PTTControl == 2; }, nullptr},
        {"PTT on data", [](ModemSetting& m) { m.PTTControl = 2; }, [&] { return f.CPTTData; },
         [&] { return Current().PTTControl == 0 && f.CPTTData->isChecked(); }, nullptr},
        {"port B off", {}, [&] { return f.EnablePortB; },
         [&] { return !Current().PortBEnabled && !f.BCharDef1->isEnabled() && !f.BChangePack->isEnabled(); }, nullptr},
        {"port B on", [](ModemSetting& m) { m.PortBEnabled = false; }, [&] { return f.EnablePortB; },
         [&] { return Current().PortBEnabled && f.BCharDef1->isEnabled(); }, nullptr},
        {"port B on with port A at 19200",
         [](ModemSetting& m) {
             m.PortBEnabled = false;
             m.PortA.CommSpeed = 5;
         },
         [&] { return f.EnablePortB; },
         [&] { return !Current().PortBEnabled && !f.EnablePortB->isChecked() && !f.BCharDef1->isEnabled(); },
         "PortA can't be 19200 if PortB is enabled"},
        {"SID codes off with port B on", {}, [&] { return f.SIDOFF; },
         [&] { return Current().SIDCode && f.SIDON->isChecked() && f.SIDEdit->isEnabled(); },
         "PortB can't be enabled unless SID Code is On"},
        {"SID codes off", [](ModemSetting& m) { m.PortBEnabled = false; }, [&] { return f.SIDOFF; },
         [&] { return !Current().SIDCode && !f.SIDEdit->isEnabled(); }, nullptr},
        {"SID codes on",
         [](ModemSetting& m) {
             m.PortBEnabled = false;
             m.SIDCode = false;
         },
         [&] { return f.SIDON; }, [&] { return Current().SIDCode && f.SIDEdit->isEnabled(); }, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ModemSetting fresh;
        fresh.RestoreFrom(Current());
        Show([&](ModemSetting& m) {
            if (c.before) c.before(m);
        });
        f.StopWrite = false;
        TakeMessages();
        Click(c.control());
        EXPECT_TRUE(c.done());
        EXPECT_EQ(TakeMessages(), c.refusal ? QStringList{c.refusal} : QStringList());
        EXPECT_EQ(f.StopWrite, c.refusal != nullptr);
        Show([&](ModemSetting& m) { m.RestoreFrom(fresh); });
    }
}

TEST_F(MainFormSystemTest, TheWritePowerChoiceSetsAllThreeAndOpensThePowerControls)
{
    ReadModem();
    ASSERT_TRUE(form->WriteTxOff->isChecked());
    ASSERT_FALSE(form->RSSI->isEnabled());
    Click(form->WriteTxOn);
    EXPECT_TRUE(Current().WriteTxPwr && Current().TXRadio.WriteTxPwr && Current().RXRadio.WriteTxPwr);
    EXPECT_EQ(BackColor::Of(form->WriteTxOn), BackColor::Red);
    EXPECT_TRUE(form->RSSI->isEnabled());
    EXPECT_TRUE(form->PowAdjust->isEnabled());
    EXPECT_TRUE(form->AutoRSSI->isEnabled());
    Click(form->WriteTxOff);
    EXPECT_FALSE(Current().WriteTxPwr || Current().TXRadio.WriteTxPwr || Current().RXRadio.WriteTxPwr);
    EXPECT_EQ(BackColor::Of(form->WriteTxOn), BackColor::ButtonFace);
    EXPECT_FALSE(form->RSSI->isEnabled());
    EXPECT_FALSE(form->AutoRSSI->isEnabled());
    EXPECT_TRUE(TakeMessages().isEmpty());
}

// The red of "Yes" fills the option's background, not just a ring around its mark.
TEST_F(MainFormSystemTest, TheChosenWritePowerShowsARedBackground)
{
    ReadModem();
    auto redShare = [this] {
        const QImage picture = form->WriteTxOn->grab().toImage();
        int red = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) red += picture.pixelColor(x, y) == QColor(Qt::red) ? 1 : 0;
        return double(red) / (picture.width() * picture.height());
    };
    Click(form->WriteTxOn);
    EXPECT_GT(redShare(), 0.5);
    Click(form->WriteTxOff);
    EXPECT_EQ(redShare(), 0.0);
}

// Port B's "Enabled" sits at the top of its frame and comes first when tabbing
// through it.
TEST_F(MainFormSystemTest, PortBsEnabledTickComesBeforeItsOptionsInTheTabOrder)
{
    ReadModem();
    QWidget* frame = form->findChild<QWidget*>(QStringLiteral("PortBFrame"));
    ASSERT_NE(frame, nullptr);
    QStringList order;
    for (QWidget* w = form->nextInFocusChain(); w != form.get(); w = w->nextInFocusChain())
        if (frame->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus)) order << w->objectName();
    ASSERT_FALSE(order.isEmpty());
    EXPECT_EQ(order.first(), QStringLiteral("EnablePortB")) << order.join(QLatin1Char(' ')).toStdString();
}

// Whatever was shown before, a display leaves CAvoid as it is and shows its mode.
TEST_F(MainFormSystemTest, EveryDisplayKeepsCAvoidAndShowsIt)
{
    ReadModem();
    struct Shown {
        bool off, ca, endToEnd, rssi, boxesEnabled;
    };
    const std::map<int, Shown> table = {
        {0, {true, false, false, false, true}}, {2, {true, false, false, true, true}},
        {4, {true, false, true, true, true}},   {6, {false, true, false, false, false}},
        {8, {true, false, true, false, true}},
    };
    for (int before : {0, 2, 4, 6, 8, 9}) {
        for (int code = 0; code <= 10; ++code) {
            SCOPED_TRACE(testing::Message() << "CAvoid " << before << " then " << code);
            Show([&](ModemSetting& m) { m.CAvoid = int16_t(before); });
            const Shown earlier{form->SupOff->isChecked(), form->SupCA->isChecked(), form->SupEndToEnd->isChecked(),
                                form->SupRSSI->isChecked(), true};
            Show([&](ModemSetting& m) { m.CAvoid = int16_t(code); });
            EXPECT_EQ(Current().CAvoid, code);
            const auto row = table.find(code & 0xFE);
            // Other codes leave the choices as they were; the boxes are on, as the
            // whole window is switched on first.
            const Shown want = row == table.end() ? Shown{earlier.off, earlier.ca, earlier.endToEnd, earlier.rssi, true}
                                                  : row->second;
            EXPECT_EQ(form->SupOff->isChecked(), want.off);
            EXPECT_EQ(form->SupCA->isChecked(), want.ca);
            EXPECT_EQ(form->SupEndToEnd->isChecked(), want.endToEnd);
            EXPECT_EQ(form->SupRSSI->isChecked(), want.rssi);
            EXPECT_EQ(form->SupEndToEnd->isEnabled(), want.boxesEnabled);
            EXPECT_EQ(form->SupRSSI->isEnabled(), want.boxesEnabled);
        }
    }
    EXPECT_TRUE(TakeMessages().isEmpty());
}

// The user's presses and clicks: each leaves CAvoid as the window shows it, keeps
// the unit's master or remote bit, and opens the unit function dialog where the
// mode needs it.
TEST_F(MainFormSystemTest, TheMousePathKeepsCAvoidAsShown)
{
    ReadModem();
    MainForm& f = *form;
    struct Step {
        QWidget* control;
        int CAvoid;
        bool dialog;
    };
    struct Case {
        const char* name;
        int start;
        std::vector<Step> steps;
    };
    const Case cases[] = {
        {"master: RSSI, end to end, RSSI off", 0, {{f.SupRSSI, 2, true}, {f.SupEndToEnd, 4, false}, {f.SupRSSI, 8, false}}},
        {"remote: end to end, RSSI off", 5, {{f.SupRSSI, 9, false}, {f.SupEndToEnd, 1, false}}},
        {"collision avoidance and back", 8, {{f.SupCA, 6, true}, {f.SupCA, 6, true}, {f.SupOff, 0, false}}},
        {"remote collision avoidance", 3, {{f.SupCA, 7, true}, {f.SupOff, 1, false}, {f.SupRSSI, 3, true}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Show([&](ModemSetting& m) {
            m.CAvoid = int16_t(c.start);
            m.TryBeforeTX = true;
        });
        for (const Step& step : c.steps) {
            SCOPED_TRACE(step.control->objectName().toStdString());
            const QString opened = WhileModal([&] { Click(step.control); }, Finish);
            EXPECT_EQ(opened, step.dialog ? QStringLiteral("MasRemSel") : QString());
            EXPECT_EQ(Current().CAvoid, step.CAvoid);
            EXPECT_EQ(ShownMode(), step.CAvoid & 0xFE);
            EXPECT_FALSE(f.RssiMouseDown);
        }
    }
    EXPECT_TRUE(TakeMessages().isEmpty());
}

// Unticking the boxes on the way to collision avoidance is part of the one edit:
// a refusal restores what the user saw before the press.
TEST_F(MainFormSystemTest, ARefusedCollisionAvoidanceRestoresTheModeBeforeThePress)
{
    ReadModem();
    // Firmware before 2.3.1 cannot delay before a transmit attempt.
    // End to end with RSSI collision avoidance, remote: the press unticks two boxes.
    Show([](ModemSetting& m) {
        m.Firmware = QStringLiteral("2.2");
        m.CAvoid = 5;
        m.TryBeforeTX = false;
    });
    ASSERT_TRUE(form->SupRSSI->isChecked() && form->SupEndToEnd->isChecked());
    const QString opened = WhileModal([&] { Click(form->SupCA); }, [](QWidget* dialog) {
        static_cast<MasRemSel*>(dialog)->Finish_Click();
    });
    EXPECT_EQ(opened, QStringLiteral("MasRemSel"));
    EXPECT_EQ(TakeMessages(), QStringList{"Firmware before 2.3.1 doesn't support \"Delay Before Tx Attempt\"!!"});
    EXPECT_EQ(Current().CAvoid, 5);
    EXPECT_TRUE(form->SupOff->isChecked());
    EXPECT_FALSE(form->SupCA->isChecked());
    EXPECT_TRUE(form->SupRSSI->isChecked() && form->SupEndToEnd->isChecked());
    EXPECT_TRUE(form->SupRSSI->isEnabled() && form->SupEndToEnd->isEnabled());
}

// A technician without a mouse: the arrows and Space choose the supervision as
// the mouse does, the unit function dialog included, and the window shows only
// what CAvoid holds.
TEST_F(MainFormSystemTest, TheKeyboardPathRunsTheMouseHandlers)
{
    ReadModem();
    form->show();
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    MainForm& f = *form;
    struct Step {
        QWidget* focus;
        int key;
        int CAvoid;
        bool dialog;
    };
    struct Case {
        const char* name;
        int start;
        std::vector<Step> steps;
    };
    const Case cases[] = {
        {"Down from Off, Space again, Up back", 0,
         {{f.SupOff, Qt::Key_Down, 6, true}, {f.SupCA, Qt::Key_Space, 6, true}, {f.SupCA, Qt::Key_Up, 0, false}}},
        {"remote: Down from Off keeps the unit", 9, {{f.SupOff, Qt::Key_Down, 7, true}, {f.SupCA, Qt::Key_Up, 1, false}}},
        {"RSSI ticked and unticked with Space", 0,
         {{f.SupRSSI, Qt::Key_Space, 2, true}, {f.SupEndToEnd, Qt::Key_Space, 4, false}, {f.SupRSSI, Qt::Key_Space, 8, false}}},
        {"RSSI with Space, then collision avoidance", 0,
         {{f.SupRSSI, Qt::Key_Space, 2, true}, {f.SupOff, Qt::Key_Down, 6, true}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Show([&](ModemSetting& m) {
            m.CAvoid = int16_t(c.start);
            m.TryBeforeTX = true;
        });
        for (const Step& step : c.steps) {
            SCOPED_TRACE(step.focus->objectName().toStdString());
            // The window is the user's again once a dialog has closed.
            QApplication::setActiveWindow(form.get());
            step.focus->setFocus(Qt::TabFocusReason);
            ASSERT_TRUE(step.focus->hasFocus());
            const QString opened = WhileModal([&] { QTest::keyClick(step.focus, Qt::Key(step.key)); }, Finish);
            EXPECT_EQ(opened, step.dialog ? QStringLiteral("MasRemSel") : QString());
            EXPECT_EQ(Current().CAvoid, step.CAvoid);
            // Exactly one of the options, and only the ticks the mode has.
            EXPECT_NE(f.SupOff->isChecked(), f.SupCA->isChecked());
            EXPECT_EQ(ShownMode(), step.CAvoid & 0xFE);
            EXPECT_EQ(f.SupRSSI->isEnabled(), !f.SupCA->isChecked());
            EXPECT_FALSE(f.RssiMouseDown);
        }
    }
    EXPECT_TRUE(TakeMessages().isEmpty());
}

// Master or remote, and the back-off timer, from the keyboard alone.
TEST_F(MainFormSystemTest, TheUnitFunctionAndItsTimerCanBeSetFromTheKeyboard)
{
    ReadModem();
    form->show();
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    Show([](ModemSetting& m) {
        m.CAvoid = 0;
        m.NoOfSlot = 4;
    });
    form->SupOff->setFocus(Qt::TabFocusReason);
    const QString opened = WhileModal([&] { QTest::keyClick(form->SupOff, Qt::Key_Down); }, [&](QWidget* dialog) {
        auto* unit = static_cast<MasRemSel*>(dialog);
        QApplication::setActiveWindow(unit);
        unit->CAMaster->setFocus(Qt::TabFocusReason);
        QTest::keyClick(unit->CAMaster, Qt::Key_Down);
        EXPECT_TRUE(unit->CARemote->isChecked());
        EXPECT_EQ(Current().CAvoid, 7);
        // Tab to Advanced, Space opens the back-off timer.
        QTest::keyClick(unit->CARemote, Qt::Key_Tab);
        ASSERT_EQ(unit->focusWidget(), unit->CAAdvance);
        const QString timer = WhileModal([&] { QTest::keyClick(unit->CAAdvance, Qt::Key_Space); }, [&](QWidget* sup) {
            QApplication::setActiveWindow(sup);
            auto* maxSlot = sup->findChild<NumericBox*>(QStringLiteral("MaxSlot"));
            maxSlot->setFocus(Qt::TabFocusReason);
            maxSlot->selectAll();
            QTest::keyClicks(maxSlot, QStringLiteral("9"));
            QTest::keyClick(maxSlot, Qt::Key_Escape);
        });
        EXPECT_EQ(timer, QStringLiteral("SupSel"));
        QTest::keyClick(unit->CAAdvance, Qt::Key_Escape);
    });
    EXPECT_EQ(opened, QStringLiteral("MasRemSel"));
    EXPECT_EQ(Current().CAvoid, 7);
    EXPECT_EQ(Current().NoOfSlot, 9);
    EXPECT_TRUE(TakeMessages().isEmpty());
}

TEST_F(MainFormSystemTest, APressOnADisabledBoxOrTheDisplaysTickOpensNothing)
{
    ReadModem();
    Show([](ModemSetting& m) { m.CAvoid = 6; });
    Click(form->SupRSSI);
    EXPECT_FALSE(form->RssiMouseDown);
    EXPECT_EQ(Current().CAvoid, 6);
    // A press that never became a click is forgotten by the display's tick.
    Show([](ModemSetting& m) { m.CAvoid = 0; });
    form->RssiMouseDown = true;
    const QString opened = WhileModal([&] { Show([](ModemSetting& m) { m.CAvoid = 2; }); }, Finish);
    EXPECT_EQ(opened, QString());
    EXPECT_EQ(Current().CAvoid, 2);
}

TEST_F(MainFormSystemTest, TheCustomOptionsOpenThePortDialogs)
{
    ReadModem();
    MainForm& f = *form;
    struct Case {
        const char* name;
        QWidget* control;
        const char* dialog;
        PortSetting* port;
    };
    const Case cases[] = {
        {"port A format", f.ACharCustom, "PortSel", &Current().PortA},
        {"port A format again", f.AChangeChar, "PortSel", &Current().PortA},
        {"port B format", f.BCharCustom, "PortSel", &Current().PortB},
        {"port A packet", f.APackCustom, "PacketSel", &Current().PortA},
        {"port B packet", f.BPackCustom, "PacketSel", &Current().PortB},
        {"port B packet again", f.BChangePack, "PacketSel", &Current().PortB},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PortSetting* edited = nullptr;
        const QString opened = WhileModal([&] { Click(c.control); }, [&](QWidget* dialog) {
            if (auto* portSel = dynamic_cast<PortSel*>(dialog)) edited = portSel->OldSetting;
            if (auto* packetSel = dynamic_cast<PacketSel*>(dialog)) edited = packetSel->OldSetting;
            Finish(dialog);
        });
        EXPECT_EQ(opened, QString::fromLatin1(c.dialog));
        EXPECT_EQ(edited, c.port);
    }
    // The packet dialog goes when it is done; the port format dialog stays.
    QApplication::processEvents();
    EXPECT_EQ(form->findChild<QDialog*>(QStringLiteral("PacketSel")), nullptr);
    EXPECT_NE(form->findChild<QDialog*>(QStringLiteral("PortSel")), nullptr);
    EXPECT_TRUE(TakeMessages().isEmpty());
}

TEST_F(MainFormSystemTest, TheCustomOptionsDoNothingThroughTheirGates)
{
    // Nothing read: the control does not report Working.
    Current().PTTTimeout = 77;
    form->BackupModem.PTTTimeout = 12;
    const QString early = WhileModal([&] { form->ACharCustom->setChecked(true); }, Finish);
    EXPECT_EQ(early, QString());
    EXPECT_EQ(form->BackupModem.PTTTimeout, 12);

    ReadModem();
    MainForm& f = *form;
    struct Case {
        const char* name;
        std::function<void(ModemSetting&)> before;
        QRadioButton* option;
        bool settingPage;
    };
    const Case cases[] = {
        {"port B format with port B off", [](ModemSetting& m) { m.PortBEnabled = false; }, f.BCharCustom, false},
        {"port B packet with port B off", [](ModemSetting& m) { m.PortBEnabled = false; }, f.BPackCustom, false},
        {"port A format while the window is filled", {}, f.ACharCustom, true},
        {"port A packet while the window is filled", {}, f.APackCustom, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Show([&](ModemSetting& m) {
            if (c.before) c.before(m);
        });
        form->BackupModem.PTTTimeout = 12;
        f.SettingPage = c.settingPage;
        const QString opened = WhileModal([&] { c.option->setChecked(true); }, Finish);
        f.SettingPage = false;
        EXPECT_EQ(opened, QString());
        if (!c.settingPage) {
            EXPECT_EQ(form->BackupModem.PTTTimeout, 12) << "backed up";
        }
    }
    EXPECT_TRUE(TakeMessages().isEmpty());
}

}  // namespace
