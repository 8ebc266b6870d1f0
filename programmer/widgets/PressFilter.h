#pragma once

#include <QObject>
#include <functional>

class QWidget;

// Runs a handler on every press of the left mouse button on a widget while it is
// enabled, before the widget sees the press. The handler returns true to keep the
// press from the widget.
class PressFilter : public QObject {
public:
    PressFilter(QWidget* widget, std::function<bool()> onPress);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* widget_;
    std::function<bool()> onPress_;
};
