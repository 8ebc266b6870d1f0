#pragma once

#include "Prompt.h"

#include <QString>
#include <utility>

class Clock;
class ProgressView;
class WriteJournal;

// What the whole library shares: the seams to the world and the library-wide texts.
class LibraryContext {
public:
    LibraryContext(Clock& clock, Prompt& prompt, ProgressView& progress);

    Clock& clock() const { return clock_; }
    Prompt& prompt() const { return prompt_; }
    ProgressView& progress() const { return progress_; }

    // A message box; an empty title gives the library's own.
    MsgResult MsgBox(const QString& text, MsgButtons buttons = MsgButtons::OK, MsgIcon icon = MsgIcon::None,
                     const QString& title = QString()) const;

    // Lets window events through for the given time.
    void WaitWithEvents(int ms) const;

    // A port that cannot be opened is reported once an operation of the control:
    // each later step of it meets the same port, and the user would get the same
    // box again. The power test's later calls carry on its operation; before the
    // first operation (the links used alone) every failure is reported.
    void BeginOperation()
    {
        inOperation_ = true;
        portFailureReported_ = false;
    }
    void PortOpened() { portFailureReported_ = false; }
    // True for the first failure since the operation began or the port last opened.
    bool FirstPortFailure() { return !std::exchange(portFailureReported_, inOperation_); }

    static const QString DefaultTitle;

    int BrandingFlag = 0;
    QString ProgramTitle = QStringLiteral("Halvex Programmer");
    QString DiagnosticsName = QStringLiteral("Orvane Diagnostics");
    QString CompanyName = QStringLiteral("Orvane Sypheral");
    QString ContactName = QStringLiteral("Orvane Sypheral");
    QString DatabasePath;
    // Told when a write starts changing a modem and when it has been checked; none: not told.
    WriteJournal* Journal = nullptr;

private:
    Clock& clock_;
    Prompt& prompt_;
    ProgressView& progress_;
    bool inOperation_ = false;
    bool portFailureReported_ = false;
};
