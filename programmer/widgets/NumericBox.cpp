#include "NumericBox.h"

#include "GeneralFunc.h"

#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QValidator>

#include <algorithm>

namespace {

int untaken(const QString& text)
{
    return int(std::count_if(text.begin(), text.end(), [](QChar c) { return !NumericBox::Takes(c); }));
}

// A change may not bring in a character that the key filter drops. What the box
// held before is judged by the change alone, so a display of something odd stays
// editable.
class TakenCharacters : public QValidator {
public:
    TakenCharacters(const QString& before, QString& refused, QObject* parent)
        : QValidator(parent), before_(before), refused_(refused)
    {
    }

    State validate(QString& input, int&) const override
    {
        if (untaken(input) <= untaken(before_)) return Acceptable;
        refused_ = input;
        return Invalid;
    }

private:
    const QString& before_;
    QString& refused_;
};

}  // namespace

NumericBox::NumericBox(const QString& name, QWidget* parent) : QLineEdit(parent)
{
    setObjectName(name);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setValidator(new TakenCharacters(before_, refused_, this));
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) { before_ = text; });
    connect(this, &QLineEdit::inputRejected, this, [this] { refuse(); });
}

bool NumericBox::Takes(QChar c)
{
    const int KeyAscii = c.unicode();
    return KeyAscii >= 32 && NumericKeyFilter(KeyAscii) != 0;
}

QString NumericBox::RefusalText(const QString& text)
{
    QString refused;
    for (QChar c : text)
        if (!Takes(c) && !refused.contains(c)) refused += c;
    QString message = QStringLiteral("The text was not taken: this box takes only the digits 0 to 9, \".\" and \"-\", "
                                     "not \"%1\".")
                          .arg(refused);
    if (refused.contains(QLatin1Char(','))) message += QStringLiteral("\nWrite the decimal point as \".\".");
    return message;
}

void NumericBox::refuse()
{
    const QString text = refused_;
    refused_.clear();
    // Rejected for its length, not its characters: nothing to tell.
    if (text.isEmpty() || !Refused) return;
    // Told once the box has put its old text back; a text that the program itself
    // wrote stays and is nothing to tell.
    QMetaObject::invokeMethod(
        this,
        [this, text] {
            if (this->text() != text) Refused(RefusalText(text));
        },
        Qt::QueuedConnection);
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
    // On German, Russian or Turkish keyboards the number pad's decimal key types a
    // comma: in a box that takes a decimal point, it types the point.
    if ((event->modifiers() & Qt::KeypadModifier) && event->text() == QLatin1String(",") &&
        NumericKeyFilter('.') == '.') {
        QKeyEvent point(event->type(), Qt::Key_Period, event->modifiers(), QStringLiteral("."), event->isAutoRepeat(),
                        ushort(event->count()));
        QLineEdit::keyPressEvent(&point);
        event->setAccepted(point.isAccepted());
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

void NumericBox::inputMethodEvent(QInputMethodEvent* event)
{
    // One character from an input method is a typed key and goes through the key
    // filter as its key would; a longer text arrives in one piece, as a paste does.
    const QString committed = event->commitString();
    if (committed.toUcs4().size() != 1 || Takes(committed.at(0))) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent dropped(event->preeditString(), event->attributes());
    dropped.setCommitString(QString(), event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&dropped);
    event->setAccepted(dropped.isAccepted());
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
