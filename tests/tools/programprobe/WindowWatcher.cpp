#include "WindowWatcher.h"

#include "ProbeSeams.h"

#include <QEvent>
#include <QWidget>

bool WindowWatcher::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::Show && type != QEvent::Hide) return false;
    auto* window = qobject_cast<QWidget*>(watched);
    if (!window || !window->isWindow()) return false;
    if (type == QEvent::Show && window->isModal() && !open_.contains(window)) {
        open_.insert(window);
        PrintErr(QStringLiteral("WINDOW ") + window->objectName());
    } else if (type == QEvent::Hide && open_.remove(window)) {
        PrintErr(QStringLiteral("CLOSED ") + window->objectName());
    }
    return false;
}
