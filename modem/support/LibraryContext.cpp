#include "LibraryContext.h"

#include "Clock.h"

const QString LibraryContext::DefaultTitle = QStringLiteral("Radio Modem");

LibraryContext::LibraryContext(Clock& clock, Prompt& prompt, ProgressView& progress)
    : clock_(clock), prompt_(prompt), progress_(progress)
{
}

MsgResult LibraryContext::MsgBox(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title) const
{
    return prompt_.Show(text, title.isEmpty() ? DefaultTitle : title, buttons, icon);
}

void LibraryContext::WaitWithEvents(int ms) const
{
    const int64_t deadline = clock_.NowMs() + ms;
    do {
        clock_.ProcessEvents(int(deadline - clock_.NowMs()));
    } while (clock_.NowMs() <= deadline);
}
