#pragma once

#include "Prompt.h"

#include <QString>

class Clock;
class ProgressView;

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

    static const QString DefaultTitle;

    int BrandingFlag = 0;
    QString ProgramTitle = QStringLiteral("Halvex Programmer");
    QString DiagnosticsName = QStringLiteral("Orvane Diagnostics");
    QString CompanyName = QStringLiteral("Orvane Sypheral");
    QString ContactName = QStringLiteral("Orvane Sypheral");
    QString DatabasePath;

private:
    Clock& clock_;
    Prompt& prompt_;
    ProgressView& progress_;
};
