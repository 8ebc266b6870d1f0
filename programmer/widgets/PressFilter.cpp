#include "PressFilter.h"

#include <QMouseEvent>
#include <QWidget>

PressFilter::PressFilter(QWidget* widget, std::function<bool()> onPress)
    : QObject(widget), widget_(widget), onPress_(std::move(onPress))
{
    widget->installEventFilter(this);
}

bool PressFilter::eventFilter(QObject* watched, QEvent* event)
{
    // The second press of a double click arrives as a double click.
    const bool press = event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    if (watched != widget_ || !press || static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) return false;
    // A disabled control takes no press, though its filters still see it.
    if (!widget_->isEnabled()) return false;
    return onPress_();
}
