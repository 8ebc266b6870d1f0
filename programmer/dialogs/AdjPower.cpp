#include "AdjPower.h"

#include "FontScale.h"
#include "MainForm.h"
#include "ModemSetting.h"
#include "RuntimeError.h"
#include "StartModule.h"
#include "TransmitterGuard.h"
#include "VbNumbers.h"
#include "VellModem.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>

#include <algorithm>
#include <functional>

namespace {

constexpr int BarMinimum = 1;
constexpr int BarMaximum = 1000;
constexpr int InactivityMs = 10000;

// The layout in pixels at the designed font.
constexpr QRect BarRect(20, 34, 380, 18);
constexpr int ScaleTop = 56;

using FontScale::Scaled;

// A lamp of the given colour, as the test's pictures show.
QPixmap lamp(const QColor& colour, int side)
{
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient glow(side * 0.4, side * 0.35, side * 0.6);
    glow.setColorAt(0, colour.lighter(170));
    glow.setColorAt(1, colour.darker(130));
    p.setPen(QPen(colour.darker(200), 1.5));
    p.setBrush(glow);
    p.drawEllipse(QRectF(2, 2, side - 4, side - 4));
    return pixmap;
}

// The key of a transmitter: a mast sending, for the test's button.
QPixmap transmitIcon(int side)
{
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor red(0xc0, 0x20, 0x20);
    p.setPen(QPen(red, 2.5, Qt::SolidLine, Qt::RoundCap));
    const qreal cx = side / 2.0, head = side * 0.35;
    p.drawLine(QPointF(cx, head), QPointF(cx - side * 0.2, side - 3));
    p.drawLine(QPointF(cx, head), QPointF(cx + side * 0.2, side - 3));
    for (int i = 1; i <= 2; ++i) {
        const qreal r = side * 0.16 * i;
        const QRectF box(cx - r, head - r, 2 * r, 2 * r);
        p.drawArc(box, -40 * 16, 80 * 16);
        p.drawArc(box, 140 * 16, 80 * 16);
    }
    return pixmap;
}

QLabel* label(const QString& name, const QString& text, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    // Texts from files, databases and modems are shown as they are, never as markup.
    l->setTextFormat(Qt::PlainText);
    return l;
}

const QString Warning = QStringLiteral(
    "THE RADIO'S TRANSMITTER IS ABOUT TO BE ENERGISED.\n"
    "ENSURE THAT THE ANTENNA PORT IS PROPERLY TERMINATED\n"
    "WITH AN RF POWER METER CAPABLE OF ABSORBING UP\n"
    "TO TEN WATTS AT THE TRANSMIT FREQUENCY.");

}  // namespace

AdjPower::AdjPower(MainForm& main) : QDialog(&main), main_(main)
{
    setObjectName(QStringLiteral("AdjPower"));
    setWindowTitle(QStringLiteral("Adjust Transmitter Power"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    const QRect bar = Scaled(BarRect);
    label(QStringLiteral("Label1"), QStringLiteral("Approximately"), this)->move(bar.left(), Scaled(12));
    Power = new QScrollBar(Qt::Horizontal, this);
    Power->setObjectName(QStringLiteral("Power"));
    Power->setRange(BarMinimum, BarMaximum);
    Power->setSingleStep(10);
    Power->setPageStep(100);
    // A drag is one change, applied when it ends.
    Power->setTracking(false);
    // The power can be set from the keyboard too; Right and Up give more power
    // (a scroll bar's keys run the other way by default).
    Power->setFocusPolicy(Qt::StrongFocus);
    Power->setInvertedControls(false);
    Power->setGeometry(bar);

    // The scale marks sit under the positions of their powers.
    // 0.1 W and 1 W lie close together on the bar: the middle mark goes a line lower.
    const struct {
        const char* name;
        const char* text;
        int milliwatts;
        int row;
    } marks[] = {{"Label2", "0.1W", 100, 0}, {"Label3", "1W(30dBm)", 1000, 1}, {"Label4", "5W(37dBm)", 5000, 0}};
    const int arrow = bar.height();
    for (const auto& m : marks) {
        QLabel* mark = label(QString::fromLatin1(m.name), QString::fromLatin1(m.text), this);
        mark->adjustSize();
        const double along = double(positionOf(m.milliwatts) - BarMinimum) / (BarMaximum - BarMinimum);
        const int x = bar.left() + arrow + int(along * (bar.width() - 2 * arrow));
        mark->move(std::max(bar.left(), x - mark->width() / 2), Scaled(ScaleTop) + m.row * mark->height());
    }

    TestPower = new QPushButton(QStringLiteral("Test"), this);
    TestPower->setObjectName(QStringLiteral("TestPower"));
    TestPower->setCheckable(true);
    TestPower->setAutoDefault(false);
    TestPower->setIcon(QIcon(transmitIcon(32)));
    TestPower->setIconSize(QSize(32, 32));
    TestPower->setGeometry(Scaled(QRect(20, 96, 110, 48)));
    GreenTestPic = label(QStringLiteral("GreenTestPic"), QString(), this);
    GreenTestPic->setPixmap(lamp(QColor(0x20, 0xa0, 0x30), 28));
    GreenTestPic->setGeometry(Scaled(QRect(142, 106, 28, 28)));
    label(QStringLiteral("Label5"), QStringLiteral("10 sec inactivity timer applies"), this)->move(Scaled(186), Scaled(112));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(InactivityMs);
    Timer1->setSingleShot(false);

    Finish = new QPushButton(QStringLiteral("Finish"), this);
    Finish->setObjectName(QStringLiteral("Finish"));
    Finish->setAutoDefault(false);
    Finish->setGeometry(Scaled(QRect(170, 174, 81, 25)));
    setFixedSize(Scaled(QSize(420, 214)));

    connect(Power, &QScrollBar::valueChanged, this, [this] { Power_Change(); });
    connect(TestPower, &QPushButton::toggled, this, [this] { TestPower_Click(); });
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    connect(Finish, &QPushButton::clicked, this, [this] { Finish_Click(); });
}

AdjPower::~AdjPower() { TransmitterGuard::Disarm(); }

int AdjPower::positionOf(int milliwatts) const
{
    return int(vb::RoundHalfEven(double(milliwatts) / MilliwattsPerStep));
}

void AdjPower::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Form_Activate();
}

void AdjPower::Form_Activate()
{
    if (Setting) {
        const int position = positionOf(Setting->TXRadio.txpower);
        if (position >= BarMinimum && position <= BarMaximum) {
            // The stored power becomes the bar's multiple of 7 mW, also when the
            // bar already stands there.
            const QSignalBlocker quiet(Power);
            Power->setValue(position);
            Power_Change();
        } else {
            // A power the bar cannot show is shown at the nearer end and kept
            // until the user moves the bar.
            displaying_ = true;
            Power->setValue(std::clamp(position, BarMinimum, BarMaximum));
            displaying_ = false;
        }
    }
    Updating = 0;
    TestPower->setEnabled(!main_.FromFile);
    // Each opening starts on the bar, as the first does: a window that opened on
    // the test's button would key the transmitter on a stray key.
    Power->setFocus(Qt::OtherFocusReason);
}

void AdjPower::hideEvent(QHideEvent* event)
{
    // Nothing runs on for a window that is gone.
    Timer1->stop();
    QDialog::hideEvent(event);
}

void AdjPower::Power_Change()
{
    if (displaying_ || !Setting) return;
    if (Updating != 0) {
        // A move while the last one is still with the modem snaps back.
        Power->setValue(positionOf(Setting->TXRadio.txpower));
        return;
    }
    Updating = -1;
    Timer1->stop();
    const int milliwatts = Power->value() * MilliwattsPerStep;
    Setting->TXRadio.txpower = int16_t(milliwatts);
    if (state_ == State::Testing) {
        try {
            int16_t value = int16_t(milliwatts);
            main_.VellModem1->WritePower(value);
        } catch (const RuntimeError& error) {
            Updating = 0;
            testFailed(error);
            return;
        }
    }
    Timer1->start();
    Updating = 0;
}

void AdjPower::TestPower_Click()
{
    if (TestPower->isChecked()) {
        startTest();
        return;
    }
    // Cleared: the stop, also after a warning that was cancelled.
    if (state_ == State::Idle || state_ == State::Stopping) return;
    endTest();
}

void AdjPower::holdButton(bool held)
{
    if (held && focusWidget() == TestPower) refocusTest_ = true;
    TestPower->setEnabled(!held && !main_.FromFile);
    if (!held && refocusTest_ && TestPower->isEnabled()) {
        refocusTest_ = false;
        TestPower->setFocus(Qt::OtherFocusReason);
    }
}

void AdjPower::startTest()
{
    state_ = State::Warning;
    holdButton(true);
    main_.setBusy(true);
    // No time-out may end the warning behind the user's back.
    Timer1->stop();
    GreenTestPic->hide();
    // Keying takes a choice of OK: Enter, Space and Escape all cancel.
    if (!Setting || main_.MessagePrompt().ShowCautious(Warning, QStringLiteral("Warning"), MsgButtons::OKCancel,
                                                       MsgIcon::Exclamation) != MsgResult::OK) {
        TestPower->setChecked(false);
        return;
    }
    state_ = State::Starting;
    Finish->setEnabled(false);
    Power->setEnabled(false);
    Timer1->stop();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        double freq = Setting->TXRadio.TXFreq;
        bool selectRadio = true;
        if (main_.VellModem1->WriteTXFreq(freq, selectRadio) == 0) {
            QApplication::restoreOverrideCursor();
            main_.MessagePrompt().Show(QStringLiteral("Error!, Can't test TX Power"), StartModule::ApplicationTitle,
                                       MsgButtons::OK, MsgIcon::None);
            TestPower->setChecked(false);
            Finish->setEnabled(true);
            return;
        }
        // However the program ends from here on, the transmitter is told to stop.
        TransmitterGuard::Arm([this] { sendStop(); });
        bool enable = true;
        main_.VellModem1->TestPowerMode(enable);
        int16_t value = int16_t(Power->value() * MilliwattsPerStep);
        main_.VellModem1->WritePower(value);
    } catch (const RuntimeError& error) {
        QApplication::restoreOverrideCursor();
        testFailed(error);
        Finish->setEnabled(true);
        return;
    }
    QApplication::restoreOverrideCursor();
    state_ = State::Testing;
    holdButton(false);
    Power->setEnabled(true);
    Timer1->start();
    Finish->setEnabled(true);
    // The user asked to leave while the transmitter was being keyed.
    if (leaveAfter_) leave();
}

QStringList AdjPower::sendStop()
{
    VellModem& control = *main_.VellModem1;
    QStringList failed;
    // A step that failed half-way can leave the port on the radio's link, where
    // the next step's modem commands would go astray: the port goes back to the
    // modem's link first (leaving the test mode only switches the port; it sends
    // nothing).
    auto toModemLink = [&control] {
        try {
            bool enable = false;
            control.TestPowerMode(enable);
        } catch (const std::exception&) {
        }
    };
    auto step = [&](const QString& what, const std::function<void()>& call) {
        if (!failed.isEmpty()) toModemLink();
        try {
            call();
        } catch (const RuntimeError& error) {
            failed << what + QStringLiteral(": ") + error.Description();
        } catch (const std::exception& error) {
            failed << what + QStringLiteral(": ") + QString::fromLocal8Bit(error.what());
        }
    };
    step(QStringLiteral("leaving the test mode"), [&] {
        bool enable = false;
        control.TestPowerMode(enable);
    });
    step(QStringLiteral("setting the power to 0"), [&] {
        int16_t zero = 0;
        control.WritePower(zero);
    });
    step(QStringLiteral("switching the transmitter off"), [&] {
        bool on = false;
        control.TXState(on);
    });
    try {
        if (control.PortOpen()) control.setPortOpen(false);
    } catch (const RuntimeError& error) {
        failed << QStringLiteral("closing the port: ") + error.Description();
    }
    return failed;
}

void AdjPower::endTest()
{
    state_ = State::Stopping;
    holdButton(true);
    Finish->setEnabled(false);
    Power->setEnabled(false);
    Timer1->stop();
    GreenTestPic->show();
    const QStringList failed = sendStop();
    TransmitterGuard::Disarm();
    state_ = State::Idle;
    holdButton(false);
    Power->setEnabled(true);
    Finish->setEnabled(true);
    main_.setBusy(false);

    Prompt& prompt = main_.MessagePrompt();
    if (!pendingError_.isEmpty()) {
        const QString error = pendingError_;
        pendingError_.clear();
        prompt.Show(error, QStringLiteral("Error Occured"), MsgButtons::OK, MsgIcon::None);
    }
    if (!failed.isEmpty())
        prompt.Show(QStringLiteral("The power test did not end cleanly:\n") + failed.join(QLatin1Char('\n')) +
                        QStringLiteral("\nThe transmitter may still be on: switch the modem off and on."),
                    QStringLiteral("Warning"), MsgButtons::OK, MsgIcon::Exclamation);
    if (leaveAfter_) leave();
}

void AdjPower::testFailed(const RuntimeError& error)
{
    // The transmitter is told to stop before anything waits for the user.
    pendingError_ = error.Description();
    TestPower->setChecked(false);
}

void AdjPower::StopTest()
{
    if (state_ == State::Testing && Updating == 0) TestPower->setChecked(false);
}

void AdjPower::Timer1_Timer()
{
    Timer1->stop();
    TestPower->setChecked(false);
}

void AdjPower::Finish_Click() { leave(); }

void AdjPower::reject() { leave(); }

void AdjPower::leave()
{
    if (state_ == State::Warning || state_ == State::Starting || state_ == State::Stopping) {
        leaveAfter_ = true;
        return;
    }
    leaveAfter_ = false;
    // Clearing a set TestPower runs the stop; a clear one sends nothing.
    TestPower->setChecked(false);
    if (state_ != State::Idle) {
        leaveAfter_ = true;
        return;
    }
    Updating = 0;
    Timer1->stop();
    QDialog::done(QDialog::Rejected);
}
