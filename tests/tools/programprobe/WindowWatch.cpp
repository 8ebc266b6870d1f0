#include "WindowWatch.h"

#include "ProbeSeams.h"

#include <QEvent>
#include <QWidget>

WindowWatch::WindowWatch(QObject* parent) : QObject(parent) {}

bool WindowWatch::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::Show && type != QEvent::Hide) return false;
    auto* window = qobject_cast<QWidget*>(watched);
    if (!window || !window->isWindow() || window->windowModality() == Qt::NonModal || event->spontaneous())
        return false;
    PrintErr((type == QEvent::Show ? QStringLiteral("WINDOW ") : QStringLiteral("CLOSED ")) + window->objectName());
    return false;
}
