#pragma once

#include <QObject>

// Prints "WINDOW name" on stderr when a modal window of the program is shown and
// "CLOSED name" when it is hidden or closed.
class WindowWatch : public QObject {
public:
    explicit WindowWatch(QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
