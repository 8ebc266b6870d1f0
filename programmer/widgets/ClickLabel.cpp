#include "ClickLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

ClickLabel::ClickLabel(const QString& name, const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setObjectName(name);
    setTextFormat(Qt::PlainText);
    setFocusPolicy(Qt::StrongFocus);
}

void ClickLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) event->accept();
    else QLabel::mousePressEvent(event);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QLabel::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    // Released elsewhere, the press was given up.
    if (rect().contains(event->position().toPoint()) && Click) Click();
}

void ClickLabel::keyPressEvent(QKeyEvent* event)
{
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        QLabel::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Select:
        // Held down, it clicks once.
        if (!event->isAutoRepeat() && Click) Click();
        event->accept();
        return;
    // As between buttons: the arrows go on to the previous or the next one.
    case Qt::Key_Left:
    case Qt::Key_Up: focusNextPrevChild(false); return;
    case Qt::Key_Right:
    case Qt::Key_Down: focusNextPrevChild(true); return;
    default: QLabel::keyPressEvent(event);
    }
}

void ClickLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus()) return;
    // A label draws no focus of its own.
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = contentsRect().adjusted(1, 1, -1, -1);
    option.backgroundColor = palette().color(backgroundRole());
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}
