#include "ProbeSeams.h"

#include "EndSignals.h"
#include "SerialPort.h"

#include <QList>

#include <cstdio>

QString AnswerQueue::Pop()
{
    QString front = answers_.front();
    answers_.pop_front();
    return front;
}

void PrintErr(const QString& line)
{
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
    std::fflush(stderr);
}

QString Escaped(QString text) { return text.replace(QLatin1Char('\r'), "\\r").replace(QLatin1Char('\n'), "\\n"); }

namespace {

struct Offer {
    MsgResult result;
    const char* name;
};

QList<Offer> offered(MsgButtons buttons)
{
    switch (buttons) {
    case MsgButtons::OK: return {{MsgResult::OK, "OK"}};
    case MsgButtons::OKCancel: return {{MsgResult::OK, "OK"}, {MsgResult::Cancel, "Cancel"}};
    case MsgButtons::YesNo: return {{MsgResult::Yes, "Yes"}, {MsgResult::No, "No"}};
    case MsgButtons::YesNoCancel:
        return {{MsgResult::Yes, "Yes"}, {MsgResult::No, "No"}, {MsgResult::Cancel, "Cancel"}};
    case MsgButtons::RetryCancel: return {{MsgResult::Retry, "Retry"}, {MsgResult::Cancel, "Cancel"}};
    }
    return {{MsgResult::OK, "OK"}};
}

}  // namespace

MsgResult ProbePrompt::Show(const QString& text, const QString& title, MsgButtons buttons, MsgIcon)
{
    PrintErr(QStringLiteral("MSGBOX title=") + Escaped(title) + QStringLiteral(" text=") + Escaped(text));
    const QList<Offer> offers = offered(buttons);
    if (!answers_.Empty()) {
        const QString answer = answers_.Pop();
        for (const Offer& offer : offers)
            if (answer.compare(QLatin1String(offer.name), Qt::CaseInsensitive) == 0) return offer.result;
    }
    for (const Offer& offer : offers)
        if (offer.result == MsgResult::OK) return offer.result;
    return offers.front().result;
}

bool ProbeWait::ShowModal(SerialPort& port)
{
    PrintErr(QStringLiteral("WAITWINDOW"));
    if (!answers_.Empty() && answers_.Front().compare(QLatin1String("Cancel"), Qt::CaseInsensitive) == 0) {
        answers_.Pop();
        return true;
    }
    for (int i = 0; i < 600; ++i) {
        if (port.InBufferCount() != 0 || port.WaitForInput(100)) return false;
        // Asked to end: answered as its Cancel.
        if (EndSignals::Received()) return true;
    }
    return true;
}
