// The Print command through the main window.
#include "FormFixture.h"
#include "PdfWords.h"
#include "ShownAsText.h"
#include "StartModule.h"
#include "VellModem.h"

#include <QFile>
#include <QLabel>

namespace {

class PrintCommandTest : public FormFixture {
protected:
    QString pdf = PathIn(QStringLiteral("sheet.pdf"));
};

}  // namespace

TEST_F(PrintCommandTest, NothingHappensUntilTheControlWorks)
{
    printer.Answer(pdf);
    form->Menu_Print_Click();
    EXPECT_EQ(printer.Shown, 0);
    EXPECT_TRUE(prompt.Boxes().isEmpty());
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(PrintCommandTest, TheModemsConfigurationIsPrinted)
{
    ReadModem();
    // The packet number is brought up to date from the port's fields first.
    form->CurrentModem.PortA.Packet = 0;
    printer.Answer(pdf);
    form->Menu_Print_Click();
    EXPECT_EQ(printer.Shown, 1);
    EXPECT_TRUE(prompt.Boxes().isEmpty()) << prompt.Texts().join('|').toStdString();
    EXPECT_EQ(form->CurrentModem.PortA.Packet, 1);

    const PdfWords words(pdf);
    ASSERT_TRUE(words.Error().isEmpty()) << words.Error().toStdString();
    const std::optional<QPointF> heading = words.Find(QStringLiteral("Halvex"));
    ASSERT_TRUE(heading);
    const QPointF offset = *heading - QPointF(5160 / 20.0, 840 / 20.0);
    auto at = [&](int top, int left) { return words.TextAt(QPointF(left / 20.0, top / 20.0) + offset); };
    EXPECT_EQ(at(840, 5160), QStringLiteral("Halvex Modem Configuration"));
    EXPECT_EQ(at(1920, 3240), QStringLiteral("9600,N,8,1"));
    EXPECT_EQ(at(2280, 3240), QStringLiteral("Timer Ends Frame")) << "the Modem row's first preset";
    EXPECT_EQ(at(3720, 3360), QStringLiteral("929.01250 Mhz"));
    EXPECT_EQ(at(6960, 840), QStringLiteral("Modem Build Type: 6"));
    EXPECT_EQ(at(7320, 840), QStringLiteral("Serial Number: 123456"));
}

TEST_F(PrintCommandTest, ACancelledPrinterDialogPrintsNothing)
{
    ReadModem();
    form->Menu_Print_Click();
    EXPECT_EQ(printer.Shown, 1);
    EXPECT_TRUE(prompt.Boxes().isEmpty());
    EXPECT_TRUE(Files().isEmpty());
}

TEST_F(PrintCommandTest, WhatCannotBePrintedEndsInTheErrorBox)
{
    ReadModem();
    const ModemSetting read = form->CurrentModem;
    const struct {
        const char* name;
        std::function<void(ModemSetting&)> change;
        QString pdf;
        bool dialog;  // the error comes after the printer dialog
        QString description;
    } cases[] = {
        // (The control puts a built-in radio's trim back in its range on the boxes' commit, so a
        // trim product too big for 16 bits is left to the sheet's own tests.)
        {"negative power", [](ModemSetting& m) { m.TXRadio.txpower = -5; }, pdf, false,
         QStringLiteral("Invalid procedure call or argument")},
        {"a printer that cannot start", [](ModemSetting&) {}, PathIn(QStringLiteral("gone/sheet.pdf")), true,
         QStringLiteral("Printer error: '%1' could not be started.").arg(PathIn(QStringLiteral("gone/sheet.pdf")))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        form->CurrentModem = read;
        c.change(form->CurrentModem);
        prompt.Clear();
        printer.Clear();
        printer.Answer(c.pdf);
        form->Menu_Print_Click();
        ASSERT_FALSE(prompt.Boxes().isEmpty());
        const ScriptedPrompt::Box& box = prompt.Boxes().last();
        EXPECT_EQ(box.Title, QStringLiteral("Error Occured"));
        EXPECT_EQ(box.Icon, MsgIcon::Critical);
        EXPECT_EQ(box.Text, c.description);
        EXPECT_EQ(printer.Shown, c.dialog ? 1 : 0);
        EXPECT_TRUE(Files().isEmpty());
    }
}

TEST_F(PrintCommandTest, MarkupInAConfigurationFileIsShownAndPrintedAsItsCharacters)
{
    ReadModem();
    // Six characters at most, as the modem holds a serial number.
    form->CurrentModem.SerialNo = QStringLiteral("<b>12");
    form->CurrentModem.Firmware = QStringLiteral("3.1<img src=\"x.png\">");
    const QString file = PathIn(QStringLiteral("markup.mdb"));
    SaveAs(file);
    Reload();
    Open(file);
    ASSERT_EQ(form->CurrentModem.SerialNo, QStringLiteral("<b>12"));

    for (const QLabel* panel : {form->StatusBar1[2], form->StatusBar1[3]}) {
        SCOPED_TRACE(panel->text().toStdString());
        EXPECT_TRUE(ShownAsText(panel));
    }
    EXPECT_EQ(form->StatusBar1[2]->text(), QStringLiteral("Serial Number: <b>12"));

    printer.Answer(pdf);
    form->Menu_Print_Click();
    EXPECT_TRUE(prompt.Boxes().isEmpty()) << prompt.Texts().join('|').toStdString();
    const PdfWords words(pdf);
    ASSERT_TRUE(words.Error().isEmpty()) << words.Error().toStdString();
    EXPECT_TRUE(words.AllText().contains(QStringLiteral("Serial Number: <b>12"))) << words.AllText().toStdString();
    EXPECT_TRUE(words.AllText().contains(QStringLiteral("Rev.: 3.1<img src=\"x.png\">"))) << words.AllText().toStdString();
}
