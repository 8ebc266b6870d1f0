#pragma once

#include <QObject>
#include <QSet>

class QWidget;

// Tells on stderr when a modal window of the program is shown ("WINDOW name")
// and when it closes ("CLOSED name").
class WindowWatcher : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QSet<QWidget*> open_;
};
