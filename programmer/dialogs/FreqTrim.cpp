#include "FreqTrim.h"

#include "OuterSize.h"
#include "RadioSetting.h"
#include "Twips.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSlider>

namespace {

// The window's layout in twips, outer sizes; the controls leave room for a
// desktop's title bar, which is taller than the design's.
constexpr int BarLeft = 360;
constexpr int BarTop = 240;
constexpr int BarHeight = 480;
constexpr int LabelTop = 780;
constexpr int LabelWidth = 1800;
constexpr int LabelHeight = 285;
constexpr int NoteTop = 1110;
constexpr int NoteHeight = 480;
constexpr int FinishTop = 1650;
constexpr int FinishWidth = 1215;
constexpr int FinishHeight = 375;
constexpr int WindowHeight = 2760;

}  // namespace

FreqTrim::FreqTrim(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FreqTrim"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    TrimBar = new QSlider(Qt::Horizontal, this);
    TrimBar->setObjectName(QStringLiteral("TrimBar"));
    TrimBar->setTickPosition(QSlider::TicksBelow);
    TrimBar->setPageStep(5);
    // Stored when a drag ends, not at every step of it.
    TrimBar->setTracking(false);
    TrimLabel = new QLabel(this);
    TrimLabel->setObjectName(QStringLiteral("TrimLabel"));
    TrimLabel->setTextFormat(Qt::PlainText);
    TrimLabel->setAlignment(Qt::AlignCenter);
    Label1 = new QLabel(QStringLiteral("For Accurate Frequency Trim, Confirm With RF Test Instrument"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);
    Finish = new QPushButton(QStringLiteral("Finish"), this);
    Finish->setObjectName(QStringLiteral("Finish"));
    Finish->setAutoDefault(false);
    connect(TrimBar, &QSlider::valueChanged, this, [this] { TrimBar_Change(); });
    connect(Finish, &QPushButton::clicked, this, [this] { hide(); });
    outer_ = new OuterSize(this, Twips::ToPixels(QSize(2 * BarLeft + 4100, WindowHeight)));
}

int16_t& FreqTrim::trim() const { return TXRX == 0 ? Setting->TXFreqTrim : Setting->RXFreqTrim; }

int16_t FreqTrim::gain() const { return TXRX == 0 ? Setting->TXTrimGain : Setting->RXTrimGain; }

void FreqTrim::showTrim(int value) { TrimLabel->setText(QString::number(value * gain()) + QStringLiteral("Hz")); }

void FreqTrim::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    SetDisplay();
}

void FreqTrim::SetDisplay()
{
    if (!Setting) return;
    displaying_ = true;
    TrimBar->setRange(-10000, 10000);
    TrimBar->setValue(trim());
    TrimBar->setMaximum(Setting->MaxTCT);
    TrimBar->setMinimum(Setting->MinTCT);
    displaying_ = false;

    const int steps = TrimBar->maximum() - TrimBar->minimum();
    int barWidth = steps < 100 ? steps * 100 : steps * 50;
    if (steps < 41) barWidth = 4100;
    TrimBar->setTickInterval(steps > 64 ? 5 : 1);
    outerWidth_ = 2 * BarLeft + barWidth;

    outer_->Place(TrimBar, Twips::ToPixels(QRectF(BarLeft, BarTop, barWidth, BarHeight)));
    const double middle = outerWidth_ / 2.0;
    outer_->Place(TrimLabel, Twips::ToPixels(QRectF(middle - LabelWidth / 2.0, LabelTop, LabelWidth, LabelHeight)));
    outer_->Place(Label1, Twips::ToPixels(QRectF(BarLeft, NoteTop, barWidth, NoteHeight)));
    outer_->Place(Finish, Twips::ToPixels(QRectF(middle - FinishWidth / 2.0, FinishTop, FinishWidth, FinishHeight)));
    // A stored trim outside the range is shown as stored; the slider sits at the
    // nearer end and changes nothing until it is moved.
    showTrim(trim());
    TrimBar->setEnabled(Adjustable);

    outer_->SetDesigned(Twips::ToPixels(QSize(outerWidth_, WindowHeight)));
    const int width = outer_->Outer().width();
    if (const QScreen* s = screen()) move(s->geometry().left() + s->geometry().width() / 2 - width / 2, y());
}

void FreqTrim::TrimBar_Change()
{
    if (displaying_ || !Setting) return;
    const int value = TrimBar->value();
    trim() = int16_t(value);
    showTrim(value);
    // One radio both ways: its receive trim is the transmit trim.
    if (HDX && TXRX == 0 && Partner) Partner->RXFreqTrim = int16_t(value);
}
