#include "FakeClock.h"
#include "LibraryContext.h"
#include "RecordingProgressView.h"
#include "ScriptedPrompt.h"
#include "SerialPort.h"
#include "WaitScreen.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace {

// A port whose input buffer holds as many characters as the test says.
class InputPort : public SerialPort {
public:
    bool PortOpen() const override { return true; }
    void setPortOpen(bool) override {}
    int InBufferCount() override { return Waiting; }
    void setInBufferCount(int count) override { Waiting = count; }
    int OutBufferCount() override { return 0; }
    void setOutBufferCount(int) override {}
    QByteArray Input() override { return {}; }
    void Output(const QByteArray&) override {}
    bool WaitForInput(int) override { return Waiting != 0; }
    bool WaitForOutput(int) override { return true; }

    int Waiting = 0;
};

class WaitScreenTest : public ::testing::Test {
protected:
    // What the window looked like once its modal display had started.
    struct Seen {
        bool visible = false;
        bool modal = false;
        bool cancelRead = true;
        QString caption;
        SerialPort* port = nullptr;
    };
    struct Shown {
        bool cancelled;
        qint64 ms;
    };

    WaitScreenTest()
    {
        // Ends a display that never closes by itself, so that a fault fails the test
        // instead of hanging it.
        safety.setSingleShot(true);
        safety.setInterval(3000);
        QObject::connect(&safety, &QTimer::timeout, &screen, [this] {
            hung = true;
            screen.done(0);
        });
    }

    // Shows the window modally; after the given time the action runs inside the display.
    Shown Show(int afterMs = -1, const std::function<void()>& action = {})
    {
        QTimer::singleShot(0, &screen, [this] {
            seen = {screen.isVisible(), screen.isModal(), screen.CancelRead, screen.windowTitle(), screen.Port};
        });
        if (action) QTimer::singleShot(afterMs, &screen, action);
        hung = false;
        safety.start();
        QElapsedTimer elapsed;
        elapsed.start();
        const bool cancelled = screen.ShowModal(port);
        const qint64 ms = elapsed.elapsed();
        safety.stop();
        EXPECT_FALSE(hung) << "the window did not close";
        EXPECT_FALSE(screen.isVisible());
        EXPECT_TRUE(seen.visible);
        EXPECT_TRUE(seen.modal);
        EXPECT_EQ(seen.port, &port);
        return {cancelled, ms};
    }
    void ClickCancel()
    {
        auto* cancel = screen.findChild<QPushButton*>(QStringLiteral("Cancel"));
        ASSERT_NE(cancel, nullptr);
        cancel->click();
    }

    // Generous for a loaded machine; the timer itself ticks every 100 ms.
    static constexpr qint64 CloseWithinMs = 300;

    FakeClock clock;
    ScriptedPrompt prompt;
    RecordingProgressView progress;
    LibraryContext context{clock, prompt, progress};
    InputPort port;
    WaitScreen screen{context.ProgramTitle};
    QTimer safety;
    bool hung = false;
    Seen seen;
};

TEST_F(WaitScreenTest, HasItsTextButtonAndTimer)
{
    auto* label = screen.findChild<QLabel*>(QStringLiteral("Label1"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), "Please connect the modem to the computer and apply power to reboot the modem");
    auto* cancel = screen.findChild<QPushButton*>(QStringLiteral("Cancel"));
    ASSERT_NE(cancel, nullptr);
    EXPECT_EQ(cancel->text(), "Cancel");
    auto* timer = screen.findChild<QTimer*>(QStringLiteral("Timer1"));
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 100);
}

TEST_F(WaitScreenTest, AModemAlreadySendingClosesItAtOnce)
{
    port.Waiting = 1;
    const Shown shown = Show();
    EXPECT_FALSE(shown.cancelled);
    EXPECT_FALSE(screen.CancelRead);
    EXPECT_LT(shown.ms, CloseWithinMs);
    EXPECT_EQ(seen.caption, "Halvex Programmer");
    EXPECT_FALSE(seen.cancelRead);
}

TEST_F(WaitScreenTest, ClosesSoonAfterTheFirstCharacter)
{
    constexpr int arrivesMs = 300;
    const Shown shown = Show(arrivesMs, [this] { port.Waiting = 1; });
    EXPECT_FALSE(shown.cancelled);
    EXPECT_GE(shown.ms, arrivesMs) << "nothing closes it before the modem sends";
    EXPECT_LT(shown.ms, arrivesMs + CloseWithinMs);
}

TEST_F(WaitScreenTest, CancelGivesUpAndTheNextShowingStartsAfresh)
{
    Shown shown = Show(50, [this] { ClickCancel(); });
    EXPECT_TRUE(shown.cancelled);
    EXPECT_TRUE(screen.CancelRead) << "kept for the caller after the window has gone";
    EXPECT_LT(shown.ms, 50 + CloseWithinMs);

    // The next showing starts with CancelRead False and its caption set again.
    screen.setWindowTitle(QString());
    shown = Show(150, [this] { port.Waiting = 3; });
    EXPECT_FALSE(seen.cancelRead);
    EXPECT_EQ(seen.caption, "Halvex Programmer");
    EXPECT_FALSE(shown.cancelled);
    EXPECT_FALSE(screen.CancelRead);

    // Cancel works again after a showing the modem ended.
    port.Waiting = 0;
    shown = Show(50, [this] { ClickCancel(); });
    EXPECT_TRUE(shown.cancelled);
}

TEST_F(WaitScreenTest, EscapeAndTheCloseBoxGiveUpAsCancelDoes)
{
    const struct {
        const char* name;
        std::function<void(WaitScreen&)> act;
    } cases[] = {
        {"Escape",
         [](WaitScreen& window) {
             // To the widget with the focus, as the keyboard sends it; it goes up to the window.
             QWidget* target = window.focusWidget() ? window.focusWidget() : &window;
             QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
             QApplication::sendEvent(target, &press);
         }},
        {"close box", [](WaitScreen& window) { window.close(); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        port.Waiting = 0;
        Shown shown = Show(50, [&] { c.act(screen); });
        EXPECT_TRUE(shown.cancelled);
        EXPECT_TRUE(screen.CancelRead);
        EXPECT_LT(shown.ms, 50 + CloseWithinMs);

        // The next showing starts afresh and ends with the modem.
        shown = Show(50, [this] { port.Waiting = 1; });
        EXPECT_FALSE(seen.cancelRead);
        EXPECT_FALSE(shown.cancelled);
    }
}

}  // namespace
