#include "OuterSize.h"

#include "FontScale.h"

#include <QEvent>
#include <QLayout>
#include <QWidget>

namespace {

QSize windowFrame(const QWidget& window)
{
    return window.isVisible() ? window.frameGeometry().size() - window.geometry().size() : QSize(0, 0);
}

OuterSize::FrameSource& frameSource()
{
    static OuterSize::FrameSource source = windowFrame;
    return source;
}

}  // namespace

OuterSize::OuterSize(QWidget* window, QSize designed, Growth growth)
    : QObject(window), window_(window), designed_(designed), growth_(growth)
{
    window_->installEventFilter(this);
    Apply();
}

void OuterSize::SetDesigned(QSize designed)
{
    designed_ = designed;
    Apply();
}

QSize OuterSize::Outer() const { return growth_ == Growth::WithFont ? FontScale::Scaled(designed_) : designed_; }

void OuterSize::Apply()
{
    if (designed_.isEmpty()) return;
    QSize client = Outer() - frameSource()(*window_);
    // A font wider than the scale foresaw still leaves every control its room.
    if (const QLayout* layout = window_->layout()) client = client.expandedTo(layout->totalMinimumSize());
    client = client.expandedTo(QSize(1, 1));
    if (window_->size() != client || window_->minimumSize() != client || window_->maximumSize() != client)
        window_->setFixedSize(client);
}

void OuterSize::SetFrameSource(FrameSource source) { frameSource() = source ? std::move(source) : windowFrame; }

bool OuterSize::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window_) {
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::Move:
        case QEvent::WindowActivate:
        case QEvent::ApplicationFontChange:
            Apply();
            break;
        default: break;
        }
    }
    return QObject::eventFilter(watched, event);
}
