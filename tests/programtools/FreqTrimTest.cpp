// The frequency trim dialog: the slider's range and width and the Hz text for
// the trim gains the radios use, each move stored at once, a one-radio modem's
// receive trim following, a trim that cannot be adjusted or shown; and the main
// window's two trim commands.
#include "QtPrinting.h"
#include "FreqTrim.h"
#include "RadioSetting.h"
#include "Twips.h"
#include "ToolFixture.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <gtest/gtest.h>

namespace {

// Moves the slider as a drag does: pressed, moved, let go.
void drag(QSlider* slider, int position)
{
    slider->setSliderDown(true);
    slider->setSliderPosition(position);
    slider->setSliderDown(false);
}

class FreqTrimTest : public ::testing::Test {
protected:
    void Open(int16_t txrx, bool adjustable = true, bool hdx = false)
    {
        trim.Setting = &radio;
        trim.TXRX = txrx;
        trim.HDX = hdx;
        trim.Partner = &partner;
        trim.Adjustable = adjustable;
        trim.show();
        QApplication::processEvents();
    }
    static int centre(const QWidget* w) { return w->geometry().center().x(); }

    RadioSetting radio;
    RadioSetting partner;
    FreqTrim trim;
};

TEST_F(FreqTrimTest, TheSliderTakesTheRadiosRangeWidthAndGain)
{
    const struct {
        int16_t min, max, gain, value;
        int16_t txrx;
        int widthTwips;
        const char* text;
    } cases[] = {
        {-16, 15, 100, 3, 0, 4100, "300Hz"},    // the built-in radio: 31 steps, never narrower than 4100
        {-16, 15, 100, -16, 0, 4100, "-1600Hz"},
        {-32, 32, 50, -5, 0, 6400, "-250Hz"},   // the external radios: 64 steps of 100 twips
        {-32, 32, 50, 32, 1, 6400, "1600Hz"},
        {-30, 30, 50, 0, 1, 6000, "0Hz"},
        {0, 40, 25, 40, 0, 4100, "1000Hz"},     // 40 steps would be 4000
        {0, 41, 10, 1, 0, 4100, "10Hz"},
        {-75, 75, 20, -75, 0, 7500, "-1500Hz"}, // 150 steps: 50 twips each
        {-60, 60, 5, 7, 1, 6000, "35Hz"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.min << ".." << c.max << " gain " << c.gain << " side " << c.txrx);
        radio = RadioSetting();
        radio.MinTCT = c.min;
        radio.MaxTCT = c.max;
        (c.txrx == 0 ? radio.TXTrimGain : radio.RXTrimGain) = c.gain;
        (c.txrx == 0 ? radio.TXFreqTrim : radio.RXFreqTrim) = c.value;
        // The other side's values must play no part.
        (c.txrx == 0 ? radio.RXTrimGain : radio.TXTrimGain) = 999;
        trim.hide();
        Open(c.txrx);
        EXPECT_EQ(trim.TrimBar->minimum(), c.min);
        EXPECT_EQ(trim.TrimBar->maximum(), c.max);
        EXPECT_EQ(trim.TrimBar->value(), c.value);
        EXPECT_EQ(trim.TrimBar->width(), Twips::ToPixels(c.widthTwips));
        EXPECT_EQ(trim.TrimLabel->text(), c.text);
        EXPECT_EQ(trim.frameGeometry().width(), Twips::ToPixels(2 * 360 + c.widthTwips)) << "equal margins both sides";
        EXPECT_NEAR(centre(trim.TrimLabel), trim.width() / 2, 2);
        EXPECT_NEAR(centre(trim.Finish), trim.width() / 2, 2);
        EXPECT_TRUE(trim.TrimBar->isEnabled());
        EXPECT_EQ(c.txrx == 0 ? radio.TXFreqTrim : radio.RXFreqTrim, c.value) << "opening stores nothing";
    }
    EXPECT_EQ(trim.Label1->text(), "For Accurate Frequency Trim, Confirm With RF Test Instrument");
}

TEST_F(FreqTrimTest, AMoveIsStoredAtOnceOnItsSide)
{
    radio.MinTCT = -32, radio.MaxTCT = 32, radio.TXTrimGain = 50, radio.RXTrimGain = 40;
    radio.TXFreqTrim = 3, radio.RXFreqTrim = -2;
    Open(0);
    drag(trim.TrimBar, -7);
    EXPECT_EQ(radio.TXFreqTrim, -7);
    EXPECT_EQ(radio.RXFreqTrim, -2);
    EXPECT_EQ(trim.TrimLabel->text(), "-350Hz");
    trim.hide();
    Open(1);
    EXPECT_EQ(trim.TrimBar->value(), -2);
    drag(trim.TrimBar, 12);
    EXPECT_EQ(radio.RXFreqTrim, 12);
    EXPECT_EQ(radio.TXFreqTrim, -7);
    EXPECT_EQ(trim.TrimLabel->text(), "480Hz");
    trim.Finish->click();
    EXPECT_FALSE(trim.isVisible());
    EXPECT_EQ(radio.RXFreqTrim, 12) << "closing keeps what was set";
}

TEST_F(FreqTrimTest, OneRadioBothWaysHasTheReceiveTrimFollow)
{
    radio.MinTCT = -32, radio.MaxTCT = 32, radio.TXTrimGain = 50;
    partner.RXFreqTrim = 1;
    for (bool hdx : {false, true}) {
        SCOPED_TRACE(hdx ? "one radio" : "two radios");
        partner.RXFreqTrim = 1;
        trim.hide();
        Open(0, true, hdx);
        drag(trim.TrimBar, 9);
        EXPECT_EQ(radio.TXFreqTrim, 9);
        EXPECT_EQ(partner.RXFreqTrim, hdx ? 9 : 1);
        drag(trim.TrimBar, -4);
        EXPECT_EQ(partner.RXFreqTrim, hdx ? -4 : 1);
    }
}

TEST_F(FreqTrimTest, ATrimThatIsNotAdjustableIsOnlyViewed)
{
    radio.MinTCT = -16, radio.MaxTCT = 15, radio.TXTrimGain = 100, radio.TXFreqTrim = -4;
    Open(0, false);
    EXPECT_FALSE(trim.TrimBar->isEnabled());
    EXPECT_EQ(trim.TrimBar->value(), -4);
    EXPECT_EQ(trim.TrimLabel->text(), "-400Hz");
}

TEST_F(FreqTrimTest, ATrimOutsideTheRangeIsShownAndKeptUntilMoved)
{
    radio.MinTCT = -32, radio.MaxTCT = 32, radio.TXTrimGain = 50;
    for (int16_t stored : {int16_t(40), int16_t(-100)}) {
        SCOPED_TRACE(stored);
        radio.TXFreqTrim = stored;
        trim.hide();
        Open(0);
        EXPECT_EQ(trim.TrimBar->value(), stored > 0 ? 32 : -32) << "the slider at the nearer end";
        EXPECT_EQ(trim.TrimLabel->text(), QString::number(stored * 50) + "Hz") << "the text tells the stored trim";
        EXPECT_EQ(radio.TXFreqTrim, stored);
        drag(trim.TrimBar, 10);
        EXPECT_EQ(radio.TXFreqTrim, 10);
    }
}

// The main window's commands, on simulated modems.
class TrimCommandTest : public ToolFixture {};

TEST_F(TrimCommandTest, TheTransmitTrimOfAOneRadioModemIsItsReceiveTrim)
{
    Play("lumbrel-hdx");
    ASSERT_TRUE(Load());
    ASSERT_TRUE(Read());
    ASSERT_TRUE(form->CurrentModem.HDX);
    ASSERT_TRUE(form->TXFreqAdjust->isEnabled());
    EXPECT_FALSE(form->RXFreqAdjust->isEnabled()) << "one radio: one trim";
    WithModal([this] { form->TXFreqAdjust->click(); },
              [](QWidget* window) {
                  EXPECT_EQ(window->objectName(), "FreqTrim");
                  EXPECT_EQ(window->windowTitle(), "Adjusting Transmit Frequency Trim");
                  auto* bar = window->findChild<QSlider*>(QStringLiteral("TrimBar"));
                  EXPECT_EQ(bar->minimum(), -32);
                  EXPECT_EQ(bar->maximum(), 32);
                  drag(bar, -6);
                  window->findChild<QPushButton*>(QStringLiteral("Finish"))->click();
              });
    EXPECT_EQ(form->CurrentModem.TXRadio.TXFreqTrim, -6);
    EXPECT_EQ(form->CurrentModem.RXRadio.RXFreqTrim, -6);
    EXPECT_TRUE(prompt.Boxes().isEmpty());
}

TEST_F(TrimCommandTest, TheReceiveTrimOfATwoRadioModem)
{
    Play("lumbrel-fdx");
    ASSERT_TRUE(Load());
    ASSERT_TRUE(Read());
    const int16_t transmit = form->CurrentModem.TXRadio.TXFreqTrim;
    WithModal([this] { form->RXFreqAdjust->click(); },
              [](QWidget* window) {
                  EXPECT_EQ(window->windowTitle(), "Adjusting Recieve frequency trim");
                  auto* label = window->findChild<QLabel*>(QStringLiteral("TrimLabel"));
                  EXPECT_EQ(label->text(), "-100Hz") << "-2 steps of 50 Hz";
                  drag(window->findChild<QSlider*>(QStringLiteral("TrimBar")), 5);
              });
    EXPECT_EQ(form->CurrentModem.RXRadio.RXFreqTrim, 5);
    EXPECT_EQ(form->CurrentModem.TXRadio.TXFreqTrim, transmit);
}

}  // namespace
