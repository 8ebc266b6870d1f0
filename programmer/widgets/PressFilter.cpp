#include "PressFilter.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

namespace {

bool isPress(QEvent* event)
{
    switch (event->type()) {
    // The second press of a double click arrives as a double click.
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: return static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    case QEvent::KeyPress: {
        // As a button takes Space: held down, it presses once.
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool space = key->key() == Qt::Key_Space || key->key() == Qt::Key_Select;
        const bool chord = key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
        return space && !chord && !key->isAutoRepeat();
    }
    default: return false;
    }
}

}  // namespace

PressFilter::PressFilter(QWidget* widget, std::function<bool()> onPress)
    : QObject(widget), widget_(widget), onPress_(std::move(onPress))
{
    widget->installEventFilter(this);
}

bool PressFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != widget_ || !isPress(event)) return false;
    // A disabled control takes no press, though its filters still see it.
    if (!widget_->isEnabled()) return false;
    return onPress_();
}
