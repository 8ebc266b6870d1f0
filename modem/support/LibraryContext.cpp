#include "LibraryContext.h"

const QString LibraryContext::DefaultTitle = QStringLiteral("Radio Modem");

LibraryContext::LibraryContext(Clock& clock, Prompt& prompt, ProgressView& progress)
    : clock_(clock), prompt_(prompt), progress_(progress)
{
}

MsgResult LibraryContext::MsgBox(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title) const
{
    return prompt_.Show(text, title.isEmpty() ? DefaultTitle : title, buttons, icon);
}
