// Texts that come from a modem or a configuration file are shown as their
// characters, even when they look like markup.
#include "DisplayFixture.h"
#include "ShownAsText.h"
#include "SimProfile.h"

#include <QApplication>
#include <QLabel>

namespace {

class ShownDataTest : public DisplayFixture {
protected:
    void ExpectEveryLabelShownAsText() const
    {
        for (const QLabel* label : form->findChildren<QLabel*>())
            EXPECT_TRUE(ShownAsText(label)) << label->objectName().toStdString() << ": " << label->text().toStdString();
    }
};

}  // namespace

TEST_F(ShownDataTest, AModemsFirmwareReplyIsShownAsItsCharacters)
{
    SimProfile profile = SimProfile::Load(SIM_PROFILES_DIR "/default.profile");
    profile.Firmware = "3.1<img src=\"x.png\">";
    modem = SimModem(profile);
    ASSERT_TRUE(ReadModem()) << prompt.Texts().join(" | ").toStdString();

    EXPECT_EQ(form->CurrentModem.Firmware, QStringLiteral("3.1<img src=\"x.png\">"));
    EXPECT_EQ(form->StatusBar1[3]->text(), QStringLiteral("Modem Firmware Rev.: 3.1<img src=\"x.png\">"));
    ExpectEveryLabelShownAsText();
}

TEST_F(ShownDataTest, SerialsAndFirmwaresOfAConfigurationAreShownAsTheirCharacters)
{
    Show([](ModemSetting& m) {
        m.ModemType = 39;
        m.ExtRF = true;
        m.HDX = false;
        m.SerialNo = QStringLiteral("<b>394011</b>");
        m.Firmware = QStringLiteral("3.1<br>");
        m.TXRadio.Firmware = QStringLiteral("<i>1.4</i>");
        m.TXRadio.SerialNo = QStringLiteral("<img src=\"tx.png\">");
        m.RXRadio.Firmware = QStringLiteral("<font color=red>1.5</font>");
        m.RXRadio.SerialNo = QStringLiteral("<u>451008</u>");
    });
    const struct {
        const QLabel* label;
        const char* text;
    } shown[] = {
        {form->StatusBar1[2], "Serial Number: <b>394011</b>"},
        {form->StatusBar1[3], "Modem Firmware Rev.: 3.1<br>"},
        {form->StatusBar1[4], "TX Radio Firmware Rev.: <i>1.4</i>"},
        {form->StatusBar1[5], "RX Radio Firmware Rev.: <font color=red>1.5</font>"},
        {form->TXSerial, "<img src=\"tx.png\">"},
        {form->RXSerial, "<u>451008</u>"},
    };
    for (const auto& s : shown) {
        SCOPED_TRACE(s.text);
        EXPECT_EQ(s.label->text(), QString::fromLatin1(s.text));
        EXPECT_TRUE(ShownAsText(s.label));
    }
    ExpectEveryLabelShownAsText();
}
