#pragma once

#include <QObject>
#include <functional>

class QWidget;

// Runs a handler on every press of a control while it is enabled, before the
// control sees the press: a press of the left mouse button on it, or of Space
// while it has the focus (the keyboard's press of a button). The handler returns
// true to keep the press from the control.
class PressFilter : public QObject {
public:
    PressFilter(QWidget* widget, std::function<bool()> onPress);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* widget_;
    std::function<bool()> onPress_;
};
