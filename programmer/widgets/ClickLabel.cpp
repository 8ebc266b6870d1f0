#include "ClickLabel.h"

#include <QMouseEvent>

ClickLabel::ClickLabel(const QString& name, const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setObjectName(name);
    setTextFormat(Qt::PlainText);
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
