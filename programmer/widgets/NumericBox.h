#pragma once

#include <QLineEdit>
#include <functional>

// A text box for numbers: printable keys go through the numeric key filter, and
// the box commits on Enter and when the user moves the focus away from it. Text
// that arrives in one piece (pasted, dropped) is taken whole or refused whole:
// a character the filter drops must not quietly turn it into another number.
class NumericBox : public QLineEdit {
public:
    NumericBox(const QString& name, QWidget* parent = nullptr);

    // The commit step (the box's lost-focus handler).
    std::function<void()> Commit;
    // Tells the user why a text was refused; the box keeps what it held.
    std::function<void(const QString& message)> Refused;

    // Whether the box takes the character as the key filter would take its key.
    static bool Takes(QChar c);
    // The message for a text refused for its characters.
    static QString RefusalText(const QString& text);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void refuse();

    // The text before the change being checked, and the last text refused.
    QString before_;
    QString refused_;
};
