#include "PrintSet.h"

#include "BrandArt.h"
#include "PrintSheet.h"
#include "RuntimeError.h"
#include "StartModule.h"
#include "Twips.h"

#include <QLabel>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace {

constexpr int LogoTop = 240;
constexpr int LogoLeft = 360;
constexpr int LogoSide = 1080;
const char* const FontFamily = "Sans Serif";

// The labels' texts break lines at a carriage return, as the sheet writes them.
QString shown(QString text) { return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace('\r', '\n'); }

QLabel* logo(const QString& name, int branding, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setPixmap(BrandArt::Logo(branding, Twips::ToPixels(4 * LogoSide)));
    label->setScaledContents(true);
    label->setGeometry(Twips::ToPixels(QRectF(LogoLeft, LogoTop, LogoSide, LogoSide)));
    return label;
}

}  // namespace

PrintSet::PrintSet(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("PrintSet"));
    setWindowTitle(QStringLiteral("Print Test"));
    setAttribute(Qt::WA_DontShowOnScreen);
    setFixedSize(Twips::ToPixels(QSize(RightEdge + PageOffset, 9000)));
    QPalette paper = palette();
    paper.setColor(QPalette::Window, Qt::white);
    paper.setColor(QPalette::WindowText, Qt::black);
    setPalette(paper);
    setAutoFillBackground(true);

    PicOrvaneLogo = logo(QStringLiteral("PicOrvaneLogo"), 0, this);
    PicQuessarlogo = logo(QStringLiteral("PicQuessarlogo"), 1, this);

    place(QStringLiteral("lblDistrib"), QString(), 120, 5160, 12, true);
    place(QStringLiteral("lblProgrammer"), QString(), 840, 5160, 14, true);

    // The captions printed as designed.
    int caption = 0;
    auto fixed = [&](const char* text, int top, int left, bool bold = false) {
        place(QStringLiteral("Caption%1").arg(++caption), QString::fromLatin1(text), top, left, 9, bold);
    };
    for (const int left : {360, 5880}) {
        const int indent = left + 480;
        fixed(left == 360 ? "Port A Setting:" : "Port B Setting:", 1560, left, true);
        fixed("Char Layer Setting:", 1920, indent);
        fixed("Packet Layer Setting:", 2280, indent);
        fixed("Handshaking:", 3000, indent);
    }
    fixed("RF Parameters", 3360, 360, true);
    const char* rf[] = {"Transmit Frequency:", "Trim Value:",  "Receive Frequency:", "Trim Value:",
                        "TX Power Setting",    "Min RSSI:",    "Transmit LID:",      "TX Power Alarm:"};
    for (int i = 0; i < 8; ++i) fixed(rf[i], 3720 + 360 * i, 840);
    fixed("Approx.", 5160, 3360);
    fixed("System Parameters", 3360, 5760, true);
    fixed("SID Code:", 3720, 6240);
    fixed("Port A SIDs:", 4080, 6480);
    fixed("Port B SIDs:", 4680, 6480);
    fixed("Diags SIDs:", 5280, 6480);
    for (const int top : {4320, 4920, 5520}) {
        fixed("SID 1:", top, 8760);
        fixed("SID 2:", top, 10080);
    }
    fixed("Supervisory Function:", 5880, 6240);
    fixed("PTT Control:", 6240, 6240);
    fixed("Build Parameters", 6600, 480, true);

    // The labels the Print command fills.
    const struct {
        const char* name;
        int top, left;
    } filled[] = {
        {"PortALayer", 1920, 3240},    {"PortBLayer", 1920, 8640},    {"PortAPacket", 2280, 3240},
        {"PortBPacket", 2280, 8640},   {"PortALiveFrame", 2520, 840}, {"PortBLiveframe", 2520, 6360},
        {"PortAHand", 3000, 3240},     {"PortBHand", 3000, 8640},     {"TXFreq", 3720, 3360},
        {"TXTrim", 4080, 3360},        {"RXFreq", 4440, 3360},        {"RXTrim", 4800, 3360},
        {"txpower", 5160, 4080},       {"MinRSSI", 5520, 3360},       {"TXLID", 5880, 3360},
        {"TXPowerAlarm", 6240, 3360},  {"SIDOnOff", 3720, 8760},      {"ASIDType", 4080, 8760},
        {"BSIDType", 4680, 8760},      {"ASID1", 4320, 9480},         {"ASID2", 4320, 10800},
        {"BSID1", 4920, 9480},         {"BSID2", 4920, 10800},        {"DiagSIDType", 5280, 8760},
        {"DiagSID1", 5520, 9480},      {"DiagSID2", 5520, 10800},     {"SupFunc", 5880, 8760},
        {"PTTControl", 6240, 8760},    {"ModemType", 6960, 840},      {"ModemFirmware", 6960, 3480},
        {"SerialNo", 7320, 840},       {"DXLabel", 7680, 840},        {"DiagLabel", 7680, 3480},
        {"TXRadioType", 8040, 840},    {"TXFirmware", 8040, 3480},    {"TXSerial", 8040, 7080},
        {"RXRadioTYpe", 8280, 840},    {"RXFirmware", 8280, 3480},    {"RXSerial", 8280, 7080},
    };
    for (const auto& f : filled) place(QString::fromLatin1(f.name), QString(), f.top, f.left);
    findChild<QLabel*>(QStringLiteral("PortALiveFrame"))->setText(QStringLiteral("Live Frame Enabled"));
    findChild<QLabel*>(QStringLiteral("PortBLiveframe"))->setText(QStringLiteral("Live Frame Enabled"));
}

QLabel* PrintSet::place(const QString& name, const QString& text, int top, int left, int points, bool bold)
{
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    QFont font(QString::fromLatin1(FontFamily));
    font.setPointSize(points);
    font.setBold(bold);
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->move(Twips::ToPixels(left), Twips::ToPixels(top));
    label->adjustSize();
    return label;
}

void PrintSet::Form_Load()
{
    const bool second = StartModule::BrandingFlag != 0;
    PicOrvaneLogo->setVisible(!second);
    PicQuessarlogo->setVisible(second);
    findChild<QLabel*>(QStringLiteral("lblDistrib"))->setText(StartModule::CompanyName);
    findChild<QLabel*>(QStringLiteral("lblProgrammer"))
        ->setText(StartModule::ModemFamilyName + QStringLiteral(" Configuration"));
}

void PrintSet::Fill(const PrintSheet& sheet)
{
    for (const PrintSheet::Label& filled : sheet.Labels()) {
        auto* label = findChild<QLabel*>(filled.Name);
        if (!label) continue;
        label->setText(shown(filled.Text));
        label->setVisible(filled.Visible);
        label->adjustSize();
    }
}

QPoint PrintSet::TwipsPosition(const QWidget* label) { return Twips::FromPixels(label->pos()); }

PrintSet::Placement PrintSet::Fit(const QRectF& content, const QRectF& printable)
{
    Placement placed;
    placed.Scale = std::min({1.0, printable.width() / content.width(), printable.height() / content.height()});
    placed.Origin = QPointF(PageOffset, PageOffset);
    auto within = [&](qreal& origin, qreal low, qreal high, qreal from, qreal to) {
        if (origin + placed.Scale * high > to) origin = to - placed.Scale * high;
        if (origin + placed.Scale * low < from) origin = from - placed.Scale * low;
    };
    within(placed.Origin.rx(), content.left(), content.right(), printable.left(), printable.right());
    within(placed.Origin.ry(), content.top(), content.bottom(), printable.top(), printable.bottom());
    return placed;
}

void PrintSet::PrintTo(QPrinter& printer) const
{
    // The margins the printer and the user ask for, read before the sheet takes the full page.
    const QPageLayout layout = printer.pageLayout();
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer)) {
        const QString target = printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
        throw RuntimeError(482, QStringLiteral("Printer error: '%1' could not be started.").arg(target));
    }
    // Twips from here on; fonts are sized in twips too (20 to the point).
    const double twips = printer.resolution() / 1440.0;
    painter.scale(twips, twips);
    painter.setPen(Qt::black);

    struct Item {
        QRectF box;
        const QLabel* label;
        QFont font;
    };
    QList<Item> items;
    QRectF content;
    for (const QLabel* label : findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (label->isHidden()) continue;
        const QPointF at = TwipsPosition(label);
        if (!label->pixmap().isNull()) {
            items.append({QRectF(at, QSizeF(LogoSide, LogoSide)), label, QFont()});
        } else {
            if (label->text().isEmpty()) continue;
            QFont font = label->font();
            font.setPixelSize(qRound(label->font().pointSizeF() * 20));
            // Letter by letter: a ligature would hide words like "Configuration" from a search.
            font.setStyleStrategy(QFont::PreferNoShaping);
            painter.setFont(font);
            items.append({painter.boundingRect(QRectF(at, QSizeF()), Qt::AlignLeft | Qt::AlignTop, label->text()),
                          label, font});
        }
        content = content.united(items.last().box);
    }

    const QMarginsF asked = layout.margins(QPageLayout::Point) * 20;
    const QMarginsF margins(std::max<qreal>(asked.left(), LeastMargin), std::max<qreal>(asked.top(), LeastMargin),
                            std::max<qreal>(asked.right(), LeastMargin), std::max<qreal>(asked.bottom(), LeastMargin));
    const QRectF paper(QPointF(), layout.fullRect(QPageLayout::Point).size() * 20);
    const Placement placed = Fit(content, paper.marginsRemoved(margins));
    painter.translate(placed.Origin);
    painter.scale(placed.Scale, placed.Scale);
    for (const Item& item : items) {
        if (!item.label->pixmap().isNull()) {
            painter.drawPixmap(item.box.toRect(), item.label->pixmap());
            continue;
        }
        painter.setFont(item.font);
        painter.drawText(item.box, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, item.label->text());
    }
    painter.end();
}
