#include "NumericBox.h"

#include "GeneralFunc.h"

#include <QFocusEvent>
#include <QKeyEvent>

NumericBox::NumericBox(const QString& name, QWidget* parent) : QLineEdit(parent)
{
    setObjectName(name);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

bool NumericBox::event(QEvent* event)
{
    // A line edit claims Ctrl+X, Ctrl+A and its other editing chords before the
    // window's shortcuts see them; here the window's menu commands come first.
    // A chord no shortcut takes still reaches the box as a key press.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
            event->ignore();
            return true;
        }
    }
    return QLineEdit::event(event);
}

void NumericBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        int KeyAscii = 13;
        if (NumericKeyFilter(KeyAscii) == 13 && Commit) Commit();
        event->accept();
        return;
    }
    const QString text = event->text();
    const bool printable = !text.isEmpty() && text.at(0).unicode() >= 32 && text.at(0).unicode() != 127 &&
                           !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (printable) {
        const int KeyAscii = text.at(0).unicode();
        if (text.size() != 1 || NumericKeyFilter(KeyAscii) == 0) {
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void NumericBox::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // Not when a popup or another window (a message box of the commit itself)
    // takes the focus, nor when the box is being switched off.
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason) return;
    if (!isEnabled() || !isVisible()) return;
    if (Commit) Commit();
}
