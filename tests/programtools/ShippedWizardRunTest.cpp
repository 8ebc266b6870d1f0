// The shipped wizard run by the Start Wizard command on simulated modems: every
// model opens its own first page, and a preset leaves the diagnostics settings of
// a modem that does not let them be edited as the modem holds them, so what the
// window shows after the wizard is what the modem keeps after a write.
#include "QtPrinting.h"
#include "ModemMap.h"
#include "ToolFixture.h"
#include "VellModem.h"
#include "WizardForm.h"

#include <QApplication>
#include <QToolButton>

namespace {

const QString Frequencies = QStringLiteral("Wizard will not change Tx and Rx frequencies, \nplease check your required "
                                           "Tx and Rx frequencies before writing to the radio.");

class ShippedWizardRunTest : public ToolFixture {
protected:
    void SetUp() override { UseShippedWizard(); }

    // Plays the profile, with the bytes changed, and reads it.
    void ReadProfile(const std::string& profile, const std::vector<std::pair<int, uint8_t>>& bytes = {})
    {
        Play(profile);
        for (const auto& [address, value] : bytes) modem.SetMemory(address, {value});
        const uint16_t word = modem.CorrectCheckWord();
        modem.SetMemory(ModemMap::CheckWord.Address, {uint8_t(word >> 8), uint8_t(word)});
        ASSERT_TRUE(Load());
        ASSERT_TRUE(Read()) << prompt.Texts().join(" | ").toStdString();
        prompt.Clear();
    }

    // The Start Wizard command, pressing the buttons of these captions one page
    // after another. Returns the captions of the pages it saw.
    QStringList RunWizard(const QStringList& presses)
    {
        QStringList titles;
        WithModal([this] { form->Menu_Wizard_Click(); },
                  [&](QWidget* window) {
                      for (const QString& caption : presses) {
                          titles << window->windowTitle();
                          QToolButton* button = nullptr;
                          for (QToolButton* b : window->findChildren<QToolButton*>())
                              if (b->isVisible() && b->text() == caption) button = b;
                          ASSERT_TRUE(button) << "no button " << caption.toStdString() << " on " << titles.last().toStdString();
                          button->click();
                          QApplication::processEvents();
                      }
                  });
        QApplication::processEvents();
        return titles;
    }
};

TEST_F(ShippedWizardRunTest, EveryModelOpensItsOwnFirstPage)
{
    const struct {
        const char* profile;
        const char* title;
    } cases[] = {
        {"builtin-high", "Setup Wizard - Built-in Radio Modem"},
        {"moskar-fdx", "Setup Wizard - 900 MHz Radio Modem"},
        {"moskar-narrow", "Setup Wizard - 900 MHz Narrow-Band Radio Modem"},
        {"lumbrel-fdx", "Setup Wizard - 450 MHz Radio Modem"},
        {"lumbrel-narrow", "Setup Wizard - 400 MHz Narrow-Band Radio Modem"},
        {"rudvik-fdx", "Setup Wizard - 200 MHz Radio Modem"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.profile);
        ReadProfile(c.profile);
        EXPECT_EQ(RunWizard({QStringLiteral("Cancel")}), QStringList{QLatin1String(c.title)});
        EXPECT_EQ(prompt.Texts(), QStringList()) << "no fault to report";
        EXPECT_FALSE(form->Wizard().Failed());
    }
}

// The remote that repeats diagnostics, chosen on a modem with the diagnostics
// processor: its diagnostics settings change only where the modem takes them.
TEST_F(ShippedWizardRunTest, APresetChangesTheDiagnosticsOnlyWhereTheModemTakesThem)
{
    using namespace ModemMap;
    const struct {
        const char* name;
        uint8_t carried;  // location 0x80
        bool repeat;      // DiagRepeat shown and kept
    } cases[] = {
        {"editable", Bits::DiagsEditable, true},
        {"write-protected", 0x00, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // Diagnostics on, their SIDs 9 and 10, not repeating; SID codes on.
        ReadProfile("moskar-fdx", {{DiagsEditable.Address, c.carried},
                                   {BuildOptions.Address, Bits::ExtRF | Bits::Calibrated},
                                   {DiagSid1.Address, 9},
                                   {DiagSid2.Address, 10},
                                   {DiagRepeat.Address, 0}});
        ASSERT_TRUE(form->CurrentModem.DiagEnable);
        ASSERT_EQ(form->CurrentModem.DiagsEditable, c.carried != 0);

        RunWizard({QStringLiteral("Multi-Drop Network"), QStringLiteral("Remote Station Repeating Diagnostics")});
        EXPECT_EQ(prompt.Texts(), QStringList{Frequencies});
        const ModemSetting& shown = form->CurrentModem;
        EXPECT_EQ(shown.CAvoid, 3) << "the preset was taken";
        EXPECT_EQ(shown.DiagRepeat, c.repeat);
        EXPECT_EQ(shown.DiagSID1, c.repeat ? 1 : 9);
        EXPECT_EQ(shown.DiagSID2, c.repeat ? 2 : 10);

        prompt.Clear();
        form->Menu_Write_Click();
        QApplication::processEvents();
        EXPECT_EQ(prompt.Texts(), QStringList()) << "nothing left unwritten";
        ASSERT_TRUE(Read()) << prompt.Texts().join(" | ").toStdString();
        const ModemSetting& kept = form->CurrentModem;
        EXPECT_EQ(kept.CAvoid, 3);
        EXPECT_EQ(kept.DiagRepeat, c.repeat);
        EXPECT_EQ(kept.DiagSID1, c.repeat ? 1 : 9);
        EXPECT_EQ(kept.DiagSID2, c.repeat ? 2 : 10);
    }
}

}  // namespace
