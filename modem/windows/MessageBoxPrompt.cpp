#include "MessageBoxPrompt.h"

#include "EndingLog.h"
#include "HeldEvents.h"

#include <QMessageBox>
#include <QPushButton>

MsgResult MessageBoxPrompt::Show(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon)
{
    return show(text, title, buttons, icon, false);
}

MsgResult MessageBoxPrompt::ShowCautious(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon)
{
    return show(text, title, buttons, icon, true);
}

MsgResult MessageBoxPrompt::show(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon,
                                 bool cautious)
{
    if (HeldEvents::Held()) {
        // Nobody can answer: the box is told, and answered as going on would be,
        // except a retry that could ask for ever and a choice that must be made on
        // purpose.
        EndingLog::Write(title + QStringLiteral(": ") + text);
        switch (buttons) {
        case MsgButtons::YesNo: return cautious ? MsgResult::No : MsgResult::Yes;
        case MsgButtons::YesNoCancel: return cautious ? MsgResult::Cancel : MsgResult::Yes;
        case MsgButtons::OKCancel: return cautious ? MsgResult::Cancel : MsgResult::OK;
        case MsgButtons::RetryCancel: return MsgResult::Cancel;
        default: return MsgResult::OK;
        }
    }
    QMessageBox box(parent_);
    box.setWindowTitle(title);
    // Line breaks come as CR, LF or both.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    // Messages carry file names and modem replies: shown as they are, never as markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(shown);
    switch (icon) {
    case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
    case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    }
    switch (buttons) {
    case MsgButtons::OK: box.setStandardButtons(QMessageBox::Ok); break;
    case MsgButtons::OKCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case MsgButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case MsgButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case MsgButtons::RetryCancel: box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel); break;
    }
    // The careful answer is the one that does nothing.
    if (cautious)
        for (QMessageBox::StandardButton careful : {QMessageBox::Cancel, QMessageBox::No})
            if (auto* b = qobject_cast<QPushButton*>(box.button(careful))) {
                box.setDefaultButton(b);
                break;
            }
    switch (box.exec()) {
    case QMessageBox::Cancel: return MsgResult::Cancel;
    case QMessageBox::Yes: return MsgResult::Yes;
    case QMessageBox::No: return MsgResult::No;
    case QMessageBox::Retry: return MsgResult::Retry;
    default: return MsgResult::OK;
    }
}
