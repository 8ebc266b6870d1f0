// Ending the program from outside: the desktop's ending signals (logout, a closed
// terminal, Ctrl+C) and Ctrl+Z during the power test.
#include "MainForm.h"

#include "AdjPower.h"
#include "EndSignals.h"
#include "EndingLog.h"
#include "EndingTask.h"
#include "TransmitterGuard.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>

namespace {

constexpr int PursueMs = 50;
const char* const Closing = "closingToEnd";

// Answers a window that waits on the user as its close box would. From the event
// loop, not from the timer that found it: the windows that its answer opens are
// then found and answered in turn.
void closeLater(QWidget* window)
{
    if (window->property(Closing).toBool()) return;
    window->setProperty(Closing, true);
    QTimer::singleShot(0, window, [window = QPointer<QWidget>(window)] {
        if (window) window->close();
        if (window) window->setProperty(Closing, false);
    });
}

}  // namespace

void MainForm::listenForEndings()
{
    endingTimer_ = new QTimer(this);
    endingTimer_->setInterval(PursueMs);
    connect(endingTimer_, &QTimer::timeout, this, [this] { pursueEnding(); });
    EndSignals* endSignals = seams_.endSignals;
    if (!endSignals) return;
    endSignals->Ended = [this](int signal) { RequestQuit(128 + signal); };
    endSignals->Suspended = [this] { RequestSuspend(); };
    // Those that came while the program was starting.
    endSignals->Deliver();
}

void MainForm::RequestQuit(int exitCode)
{
    if (ended_) return;
    if (quitRequested_) {
        // Asked again: the user (or the session) will not wait for what the first
        // one waits on. The transmitter is released first; a write cut short is
        // told at the next start.
        TransmitterGuard::ReleaseNow();
        writeFinish().Disarm();
        EndingLog::Write(QStringLiteral("Ended at once by a second signal."));
        endProgram(exitCode);
        return;
    }
    quitRequested_ = true;
    quitCode_ = exitCode;
    endingTimer_->start();
}

void MainForm::RequestSuspend()
{
    suspendRequested_ = true;
    endingTimer_->start();
}

void MainForm::pursueEnding()
{
    if (ended_) return endingTimer_->stop();
    if (suspendRequested_) {
        // The test stops first; one still starting or stopping is asked again.
        if (TransmitterGuard::Armed() && adjPower_) adjPower_->StopTest();
        if (!TransmitterGuard::Armed()) {
            suspendRequested_ = false;
            if (seams_.suspend) seams_.suspend();
        }
    }
    if (!quitRequested_) {
        if (!suspendRequested_) endingTimer_->stop();
        return;
    }
    QWidget* waiting = QApplication::activePopupWidget();
    if (!waiting) waiting = QApplication::activeModalWidget();
    if (waiting) return closeLater(waiting);
    // A read, a write or the power test ends first, as the Quit command waits for them.
    if (MainFormBusy) return;
    endingTimer_->stop();
    Menu_Quit_Click();
}
