#pragma once

#include <QLineEdit>
#include <functional>

// A text box for numbers: printable keys go through the numeric key filter, and
// the box commits on Enter and when the user moves the focus away from it.
class NumericBox : public QLineEdit {
public:
    NumericBox(const QString& name, QWidget* parent = nullptr);

    // The commit step (the box's lost-focus handler).
    std::function<void()> Commit;

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};
