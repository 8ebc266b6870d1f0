#pragma once

#include <QDialog>
#include <QStringList>

class MainForm;
class ModemSetting;
class QLabel;
class QPushButton;
class QScrollBar;
class QTimer;
class RuntimeError;

// Sets the transmitter's power in milliwatts on a scroll bar (one step is 7 mW)
// and runs the timed power test: the transmitter keyed on a connected modem at
// the bar's power until the test is switched off, ten seconds pass without a
// move, or the window is left. However the test ends, the transmitter is told to
// stop, each stop step once, and the user hears of a step that failed.
class AdjPower : public QDialog {
public:
    static constexpr int MilliwattsPerStep = 7;

    explicit AdjPower(MainForm& main);
    ~AdjPower() override;

    // The configuration whose transmit power the bar sets; set by the main window.
    ModemSetting* Setting = nullptr;

    void Power_Change();
    void TestPower_Click();
    void Timer1_Timer();
    void Finish_Click();

    // Stops a running test as clearing its button does, unless a step of the test
    // is still with the modem (then nothing happens: ask again).
    void StopTest();

    QScrollBar* Power;
    QPushButton* TestPower;
    QLabel* GreenTestPic;
    QTimer* Timer1;
    QPushButton* Finish;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    // Escape and the close box leave as Finish does.
    void reject() override;

private:
    enum class State { Idle, Warning, Starting, Testing, Stopping };

    void Form_Activate();
    void startTest();
    // Sends every stop step once, whatever the others did; the failures, described.
    // Only the control is used: it also runs while the program ends under its windows.
    QStringList sendStop();
    void endTest();
    // While the test starts or stops, its button takes no click: a toggle then
    // would stop or restart it half-way. Held, it loses the keyboard focus; it
    // gets it back when released, so the key that started the test stops it.
    void holdButton(bool held);
    // A control error while the test runs: the test ends, then the user is told.
    void testFailed(const RuntimeError& error);
    void leave();
    int positionOf(int milliwatts) const;

    MainForm& main_;
    State state_ = State::Idle;
    int Updating = 0;
    // The window is showing a stored power: a position the bar forces is not a move.
    bool displaying_ = false;
    // The user left while the control was busy: the window goes once it is done.
    bool leaveAfter_ = false;
    bool refocusTest_ = false;
    QString pendingError_;
};
