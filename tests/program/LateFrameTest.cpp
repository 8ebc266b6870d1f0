// A window system that tells a window's frame only after the window is shown (as
// an X window manager does once it has framed the window): the fixed-size windows
// still end at their designed outer sizes.
#include "ProgramFixture.h"

#include "FreqTrim.h"
#include "MasRemSel.h"
#include "OuterSize.h"
#include "Twips.h"
#include "WhileModal.h"
#include "WizardForm.h"

#include <QApplication>
#include <QPushButton>

namespace {

const QSize Frame(10, 21);

class LateFrameTest : public ProgramFixture {
protected:
    LateFrameTest()
    {
        OuterSize::SetFrameSource([this](const QWidget&) { return framed_ ? Frame : QSize(0, 0); });
    }
    ~LateFrameTest() override { OuterSize::SetFrameSource({}); }

    // The window is shown unframed; the frame then arrives with the activation.
    void ExpectOuterSize(const std::function<void()>& command, const char* name, QSize designed)
    {
        SCOPED_TRACE(name);
        framed_ = false;
        const QString opened = WhileModal(command, [&](QWidget* window) {
            framed_ = true;
            QEvent activate(QEvent::WindowActivate);
            QApplication::sendEvent(window, &activate);
            EXPECT_EQ(window->size() + Frame, designed);
            if (auto* finish = window->findChild<QPushButton*>(QStringLiteral("Finish"))) finish->click();
            else window->close();
        });
        EXPECT_EQ(opened, QString::fromLatin1(name));
    }

private:
    bool framed_ = false;
};

}  // namespace

TEST_F(LateFrameTest, TheFixedWindowsTakeTheFrameOffTheirClientOnceItIsKnown)
{
    Play("lumbrel-fdx");
    modem.PowerCycle(clock.NowMs());
    ASSERT_TRUE(Load());
    form->show();
    ASSERT_TRUE(ReadModem());
    form->CurrentModem.CAvoid = 6;
    ExpectOuterSize([&] { form->MasRemSelForm().ShowModal(); }, "MasRemSel", Twips::ToPixels(QSize(4800, 2100)));
    form->CurrentModem.TXRadio.MinTCT = -16, form->CurrentModem.TXRadio.MaxTCT = 15;
    ExpectOuterSize([&] { form->TXFreqAdjust_Click(); }, "FreqTrim", QSize(321, 184));
    ExpectOuterSize([&] { form->Menu_Wizard_Click(); }, "WizardForm", QSize(480, 360));
}
