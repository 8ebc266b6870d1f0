// The sheet's layout and what it prints into a PDF.
#include "ModemSetting.h"
#include "PdfWords.h"
#include "PrintSet.h"
#include "PrintSheet.h"
#include "QtPrinters.h"
#include "RaisedError.h"
#include "ShownAsText.h"
#include "StartModule.h"

#include <QFile>
#include <QPageSize>
#include <QLabel>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <tuple>

namespace {

struct Placed {
    const char* name;
    int top, left;
};

// Every label of the sheet at its designed place in twips.
const Placed filledLabels[] = {
    {"lblDistrib", 120, 5160},     {"lblProgrammer", 840, 5160},  {"PortALayer", 1920, 3240},
    {"PortBLayer", 1920, 8640},    {"PortAPacket", 2280, 3240},   {"PortBPacket", 2280, 8640},
    {"PortALiveFrame", 2520, 840}, {"PortBLiveframe", 2520, 6360}, {"PortAHand", 3000, 3240},
    {"PortBHand", 3000, 8640},     {"TXFreq", 3720, 3360},        {"TXTrim", 4080, 3360},
    {"RXFreq", 4440, 3360},        {"RXTrim", 4800, 3360},        {"txpower", 5160, 4080},
    {"MinRSSI", 5520, 3360},       {"TXLID", 5880, 3360},         {"TXPowerAlarm", 6240, 3360},
    {"SIDOnOff", 3720, 8760},      {"ASIDType", 4080, 8760},      {"BSIDType", 4680, 8760},
    {"ASID1", 4320, 9480},         {"ASID2", 4320, 10800},        {"BSID1", 4920, 9480},
    {"BSID2", 4920, 10800},        {"DiagSIDType", 5280, 8760},   {"DiagSID1", 5520, 9480},
    {"DiagSID2", 5520, 10800},     {"SupFunc", 5880, 8760},       {"PTTControl", 6240, 8760},
    {"ModemType", 6960, 840},      {"ModemFirmware", 6960, 3480}, {"SerialNo", 7320, 840},
    {"DXLabel", 7680, 840},        {"DiagLabel", 7680, 3480},     {"TXRadioType", 8040, 840},
    {"TXFirmware", 8040, 3480},    {"TXSerial", 8040, 7080},      {"RXRadioTYpe", 8280, 840},
    {"RXFirmware", 8280, 3480},    {"RXSerial", 8280, 7080},
};

struct Caption {
    const char* text;
    int top, left;
};

const Caption captions[] = {
    {"Port A Setting:", 1560, 360},   {"Char Layer Setting:", 1920, 840},  {"Packet Layer Setting:", 2280, 840},
    {"Handshaking:", 3000, 840},      {"Port B Setting:", 1560, 5880},     {"Char Layer Setting:", 1920, 6360},
    {"Packet Layer Setting:", 2280, 6360}, {"Handshaking:", 3000, 6360},   {"RF Parameters", 3360, 360},
    {"Transmit Frequency:", 3720, 840}, {"Trim Value:", 4080, 840},        {"Receive Frequency:", 4440, 840},
    {"Trim Value:", 4800, 840},       {"TX Power Setting", 5160, 840},     {"Min RSSI:", 5520, 840},
    {"Transmit LID:", 5880, 840},     {"TX Power Alarm:", 6240, 840},      {"Approx.", 5160, 3360},
    {"System Parameters", 3360, 5760}, {"SID Code:", 3720, 6240},          {"Port A SIDs:", 4080, 6480},
    {"Port B SIDs:", 4680, 6480},     {"Diags SIDs:", 5280, 6480},         {"SID 1:", 4320, 8760},
    {"SID 2:", 4320, 10080},          {"SID 1:", 4920, 8760},              {"SID 2:", 4920, 10080},
    {"SID 1:", 5520, 8760},           {"SID 2:", 5520, 10080},             {"Supervisory Function:", 5880, 6240},
    {"PTT Control:", 6240, 6240},     {"Build Parameters", 6600, 480},
};

ModemSetting externalRadios()
{
    ModemSetting m;
    m.ModemType = 35;
    m.Firmware = QStringLiteral("3.1");
    m.SerialNo = QStringLiteral("654321");
    m.ExtRF = true;
    m.PortA = {4, 0, 8, 1, 0, 7, 128, 13, true, true, false, 17, 18, 1, 2};
    m.PortB = {5, 2, 7, 2, 1, 10, 255, 13, false, false, false, 33, 34, 0, 0};
    m.TXRadio.RadioType = 35;
    m.TXRadio.Firmware = QStringLiteral("2.1");
    m.TXRadio.SerialNo = QStringLiteral("A00001");
    m.TXRadio.TXFreq = 460.125;
    m.TXRadio.TXFreqTrim = 3;
    m.TXRadio.TXTrimGain = 5;
    m.TXRadio.CanFreqTrim = true;
    m.TXRadio.txpower = 5000;
    m.TXRadio.TXDelay = 20;
    m.TXRadio.PowerAlarm = 2500;
    m.RXRadio = m.TXRadio;
    m.RXRadio.RXFreq = 465.5;
    m.RXRadio.SerialNo = QStringLiteral("B00002");
    m.RSSI = -110;
    m.CAvoid = 8;
    m.PTTTimeout = 60;
    return m;
}

class PrintSetTest : public ::testing::Test {
protected:
    PrintSetTest()
    {
        StartModule::SetStartValues();
        sheet.Form_Load();
    }

    QLabel* label(const char* name) const { return sheet.findChild<QLabel*>(QString::fromLatin1(name)); }

    // Prints the sheet into a PDF and reads its words back.
    PdfWords printed()
    {
        const QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        sheet.PrintTo(printer);
        PdfWords words(pdf);
        EXPECT_TRUE(words.Error().isEmpty()) << words.Error().toStdString();
        return words;
    }

    QTemporaryDir dir;
    PrintSet sheet;
};

}  // namespace

TEST_F(PrintSetTest, LabelsSitAtTheirPlacesInTwips)
{
    EXPECT_EQ(sheet.objectName(), QStringLiteral("PrintSet"));
    EXPECT_EQ(sheet.windowTitle(), QStringLiteral("Print Test"));
    for (const Placed& p : filledLabels) {
        SCOPED_TRACE(p.name);
        QLabel* l = label(p.name);
        ASSERT_TRUE(l);
        EXPECT_EQ(PrintSet::TwipsPosition(l), QPoint(p.left, p.top));
    }
    for (const Caption& c : captions) {
        SCOPED_TRACE(c.text);
        bool found = false;
        for (const QLabel* l : sheet.findChildren<QLabel*>())
            found = found || (l->text() == QLatin1String(c.text) && PrintSet::TwipsPosition(l) == QPoint(c.left, c.top));
        EXPECT_TRUE(found);
    }
    EXPECT_EQ(label("lblDistrib")->text(), QStringLiteral("Orvane Sypheral"));
    EXPECT_EQ(label("lblProgrammer")->text(), QStringLiteral("Halvex Modem Configuration"));
}

TEST_F(PrintSetTest, TheBrandingChoosesTheLogo)
{
    for (const int branding : {0, 1, 2}) {
        SCOPED_TRACE(branding);
        StartModule::BrandingFlag = branding;
        sheet.Form_Load();
        EXPECT_EQ(sheet.PicOrvaneLogo->isHidden(), branding != 0);
        EXPECT_EQ(sheet.PicQuessarlogo->isHidden(), branding == 0);
    }
    StartModule::BrandingFlag = 0;
}

TEST_F(PrintSetTest, ThePdfHoldsEveryShownTextAtItsPlace)
{
    const PrintSheet filled(externalRadios(), {1, 2, QStringLiteral("Timer Ends Frame"), QString()}, {});
    sheet.Fill(filled);
    const PdfWords words = printed();
    ASSERT_FALSE(words.Words().isEmpty()) << "no text in the PDF: printed as an image?";

    // One offset for the whole page: the heading's.
    const std::optional<QPointF> heading = words.Find(QStringLiteral("Halvex"));
    ASSERT_TRUE(heading);
    const QPointF offset = *heading - QPointF(5160 / 20.0, 840 / 20.0);
    auto point = [&](int top, int left) { return QPointF(left / 20.0, top / 20.0) + offset; };

    EXPECT_EQ(words.TextAt(point(840, 5160)), QStringLiteral("Halvex Modem Configuration"));
    EXPECT_EQ(words.TextAt(point(120, 5160)), QStringLiteral("Orvane Sypheral"));
    for (const Caption& c : captions)
        EXPECT_TRUE(words.HasTextAt(point(c.top, c.left), QString::fromLatin1(c.text)))
            << c.text << " finds " << words.TextAt(point(c.top, c.left)).toStdString();
    for (const Placed& p : filledLabels) {
        const PrintSheet::Label l = filled.Find(QString::fromLatin1(p.name));
        if (l.Name.startsWith(QLatin1String("lbl"))) continue;
        SCOPED_TRACE(p.name);
        const QString firstLine = l.Text.section(QLatin1Char('\r'), 0, 0);
        if (l.Visible && !firstLine.trimmed().isEmpty())
            EXPECT_TRUE(words.HasTextAt(point(p.top, p.left), firstLine))
                << "finds " << words.TextAt(point(p.top, p.left), 10).toStdString();
        else
            EXPECT_EQ(words.TextAt(point(p.top, p.left), 3), QString());
    }
    // A label of several lines keeps them, a line below another.
    EXPECT_EQ(words.TextAt(point(2280, 8640)), QStringLiteral("Char Input Timer:10"));
    EXPECT_TRUE(words.AllText().contains(QStringLiteral("Max Frame Size:255")));
    EXPECT_EQ(words.AllText().count(QStringLiteral("Live Frame Enabled")), 1) << "only port A's shows";
}

TEST_F(PrintSetTest, APrinterThatCannotStartRaisesPrinterError)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = dir.filePath(QStringLiteral("no/such/folder/sheet.pdf"));
    printer.setOutputFileName(pdf);
    const std::optional<RuntimeError> e = RaisedError([&] { sheet.PrintTo(printer); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->Number(), 482);
    EXPECT_EQ(e->Description(), QStringLiteral("Printer error: '%1' could not be started.").arg(pdf));
}

namespace {

// Configurations with the sheet's longest texts; each is printed with every
// supervision code.
struct SheetCase {
    const char* name;
    std::function<void(ModemSetting&)> change;
    PrintSheet::Presets portA, portB;
};

void longestCustomPackets(ModemSetting& m)
{
    for (PortSetting* port : {&m.PortA, &m.PortB}) {
        port->Packet = 0;
        port->CharTimer = 255;
        port->MaxFrame = 255;
        port->EOMEnable = true;
        port->EOMChar = 255;
        port->ISLive = true;
        port->ISSlip = false;
    }
}

void longestRadioTexts(ModemSetting& m)
{
    m.ModemType = 39;
    m.Firmware = QStringLiteral("2.3.1");
    m.SerialNo = QStringLiteral("394011");
    for (RadioSetting* radio : {&m.TXRadio, &m.RXRadio}) {
        radio->RadioType = 39;
        radio->Firmware = QStringLiteral("2.3.1");
        radio->txpower = 32767;
        radio->PowerAlarm = 32767;
        radio->TXDelay = 255;
        radio->TXFreqTrim = -32;
        radio->TXTrimGain = 50;
        radio->RXFreqTrim = -32;
        radio->RXTrimGain = 50;
    }
    m.TXRadio.SerialNo = QStringLiteral("451007");
    m.RXRadio.SerialNo = QStringLiteral("451008");
    m.RSSI = -120;
    m.PTTTimeout = 255;
    for (PortSetting* port : {&m.PortA, &m.PortB}) {
        port->SID1 = 255;
        port->SID2 = 255;
    }
    m.DiagSID1 = m.DiagSID2 = 255;
}

const PrintSheet::Presets timerEndsFrame{1, 2, QStringLiteral("Timer Ends Frame"), QStringLiteral("CR Ends Frame")};

const SheetCase sheetCases[] = {
    {"BothRadiosCustomPackets",
     [](ModemSetting& m) {
         longestRadioTexts(m);
         longestCustomPackets(m);
     },
     timerEndsFrame, timerEndsFrame},
    {"BothRadiosPresetsAndRtsControl",
     [](ModemSetting& m) {
         longestRadioTexts(m);
         m.PortA.Packet = 1;
         m.PortB.Packet = 2;
         m.PTTControl = 2;
     },
     timerEndsFrame, timerEndsFrame},
    {"HalfDuplexHighPower",
     [](ModemSetting& m) {
         longestRadioTexts(m);
         m.HDX = true;
         m.TXRadio.txpower = 0;
         m.TXRadio.PowerHL = true;
     },
     {}, {}},
};

struct Paper {
    const char* name;
    QPageSize::PageSizeId size;
};

const Paper papers[] = {{"A4", QPageSize::A4}, {"Letter", QPageSize::Letter}};

using SheetParam = std::tuple<SheetCase, Paper>;

class PrintSetFitTest : public PrintSetTest, public ::testing::WithParamInterface<SheetParam> {
protected:
    PdfWords printedOn(const Paper& paper)
    {
        const QString pdf = dir.filePath(QStringLiteral("fit.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(paper.size));
        sheet.PrintTo(printer);
        PdfWords words(pdf);
        EXPECT_TRUE(words.Error().isEmpty()) << words.Error().toStdString();
        return words;
    }
};

// A word's box; texts of one line stand apart by at least a blank.
QRectF box(const PdfWords::Word& w) { return QRectF(QPointF(w.X, w.Y), QPointF(w.Right, w.Bottom)); }

QString described(const PdfWords::Word& w)
{
    return QStringLiteral("\"%1\" at %2,%3").arg(w.Text).arg(w.X).arg(w.Y);
}

}  // namespace

TEST_P(PrintSetFitTest, NoTextOverlapsAnotherOrLeavesThePrintableArea)
{
    const auto& [c, paper] = GetParam();
    // Most printers cannot print the outer quarter inch of the paper.
    constexpr double margin = 18.0;
    constexpr double touching = 0.2;
    for (int code = 0; code <= 9; ++code) {
        SCOPED_TRACE(QStringLiteral("CAvoid %1").arg(code).toStdString());
        ModemSetting m = externalRadios();
        c.change(m);
        m.CAvoid = static_cast<int16_t>(code);
        sheet.Fill(PrintSheet(m, c.portA, c.portB));
        const PdfWords words = printedOn(paper);
        ASSERT_FALSE(words.Words().isEmpty());
        EXPECT_TRUE(words.AllText().contains(m.FormatSupFunc())) << words.AllText().toStdString();

        const QRectF printable = QRectF(QPointF(), words.PageSize()).adjusted(margin, margin, -margin, -margin);
        const QList<PdfWords::Word>& all = words.Words();
        for (qsizetype i = 0; i < all.size(); ++i) {
            EXPECT_TRUE(printable.contains(box(all[i]))) << described(all[i]).toStdString();
            for (qsizetype j = i + 1; j < all.size(); ++j) {
                const QRectF both = box(all[i]).intersected(box(all[j]));
                EXPECT_FALSE(both.width() > touching && both.height() > touching)
                    << described(all[i]).toStdString() << " over " << described(all[j]).toStdString();
            }
        }
    }
}

TEST_P(PrintSetFitTest, AShrunkSheetKeepsItsLabelsWhereTheyStandToEachOther)
{
    const auto& [c, paper] = GetParam();
    ModemSetting m = externalRadios();
    c.change(m);
    m.CAvoid = 5;  // the longest supervision text
    const PrintSheet filled(m, c.portA, c.portB);
    sheet.Fill(filled);
    const PdfWords words = printedOn(paper);

    // Two captions give the page's offset and the sheet's scale.
    const std::optional<QPointF> heading = words.Find(QStringLiteral("Halvex"));
    const std::optional<QPointF> rf = words.Find(QStringLiteral("RF"));
    ASSERT_TRUE(heading && rf);
    const double scale = (heading->x() - rf->x()) / ((5160 - 360) / 20.0);
    EXPECT_NEAR((rf->y() - heading->y()) / ((3360 - 840) / 20.0), scale, 0.01) << "the same scale both ways";
    EXPECT_LT(scale, 1.0) << "the longest texts do not fit at full size";
    EXPECT_GT(scale, 0.7);
    const QPointF origin = *heading - QPointF(5160, 840) / 20.0 * scale;

    for (const Placed& p : filledLabels) {
        const PrintSheet::Label l = filled.Find(QString::fromLatin1(p.name));
        const QString first = l.Text.section(QLatin1Char('\r'), 0, 0).simplified().section(QLatin1Char(' '), 0, 0);
        if (!l.Visible || first.isEmpty()) continue;
        SCOPED_TRACE(p.name);
        const QPointF at = origin + QPointF(p.left, p.top) / 20.0 * scale;
        bool found = false;
        for (const PdfWords::Word& w : words.Words())
            found = found || (w.Text == first && std::abs(w.X - at.x()) < 1.0 && std::abs(w.Y - at.y()) < 1.0);
        EXPECT_TRUE(found) << first.toStdString() << " at " << at.x() << "," << at.y();
    }
}

INSTANTIATE_TEST_SUITE_P(Sheets, PrintSetFitTest, ::testing::Combine(::testing::ValuesIn(sheetCases), ::testing::ValuesIn(papers)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + "On" + std::get<1>(info.param).name;
                         });

TEST_F(PrintSetTest, MarkupInTheDataIsPrintedAsItsCharacters)
{
    ModemSetting m = externalRadios();
    m.SerialNo = QStringLiteral("<b>654321</b>");
    m.TXRadio.Firmware = QStringLiteral("<i>2.1</i>");
    m.RXRadio.SerialNo = QStringLiteral("<img src=\"x.png\">");
    sheet.Fill(PrintSheet(m, {}, {}));
    for (const QLabel* l : sheet.findChildren<QLabel*>()) EXPECT_TRUE(ShownAsText(l)) << l->objectName().toStdString();

    const QString all = printed().AllText();
    for (const char* text : {"Serial Number: <b>654321</b>", "TX Radio Firmware Rev.: <i>2.1</i>", "<img src=\"x.png\">"})
        EXPECT_TRUE(all.contains(QString::fromLatin1(text))) << text << " in " << all.toStdString();
}
