#include "WindowWatch.h"

#include "FakeClock.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

WindowWatch::WindowWatch(FakeClock& clock, QString name) : clock_(clock), name_(std::move(name))
{
    qApp->installEventFilter(this);
}

WindowWatch::~WindowWatch() { qApp->removeEventFilter(this); }

bool WindowWatch::eventFilter(QObject* watched, QEvent* event)
{
    const bool show = event->type() == QEvent::Show;
    const bool hide = event->type() == QEvent::Hide;
    const bool named = watched->objectName() == name_ || QLatin1String(watched->metaObject()->className()) == name_;
    if ((show || hide) && watched->isWidgetType() && named) {
        Moment& moment = show ? shown_ : hidden_;
        moment = {true, clock_.NowMs(), clock_.EventPasses()};
        if (show) ++showCount_;
        if (show && OnShown) {
            QPointer<QWidget> window = static_cast<QWidget*>(watched);
            QTimer::singleShot(0, this, [this, window] {
                if (window) OnShown(window);
            });
        }
    }
    return QObject::eventFilter(watched, event);
}
