#include "OuterSize.h"

#include "FontScale.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QLayout>
#include <QScreen>
#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace {

QSize windowFrame(const QWidget& window)
{
    return window.isVisible() ? window.frameGeometry().size() - window.geometry().size() : QSize(0, 0);
}

QRect availableArea(const QWidget& window)
{
    const QScreen* screen = window.screen();
    return screen ? screen->availableGeometry() : QRect();
}

OuterSize::FrameSource& frameSource()
{
    static OuterSize::FrameSource source = windowFrame;
    return source;
}

OuterSize::AreaSource& areaSource()
{
    static OuterSize::AreaSource source = availableArea;
    return source;
}

// Until the window manager has framed the window, room is kept for a title bar:
// desktops draw it in their own font, about two of its lines high.
QSize frameForRoom(QSize known)
{
    if (!known.isNull()) return known;
    return QSize(0, 2 * QFontMetrics(QApplication::font()).height());
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

void OuterSize::Place(QWidget* control, QRect designed)
{
    auto same = [control](const auto& placed) { return placed.first == control; };
    if (auto it = std::find_if(placed_.begin(), placed_.end(), same); it != placed_.end()) it->second = designed;
    else placed_.emplace_back(control, designed);
    control->setGeometry(growth_ == Growth::WithFont ? FontScale::Scaled(designed) : designed);
}

QSize OuterSize::Fit(QSize wanted, QSize room, QSize need)
{
    if (room.isValid()) wanted = wanted.boundedTo(room);
    return wanted.expandedTo(need).expandedTo(QSize(1, 1));
}

QSize OuterSize::client() const
{
    const QSize frame = frameSource()(*window_);
    const QLayout* layout = window_->layout();
    QSize wanted = designed_;
    if (growth_ == Growth::WithFont) {
        // Texts widen with the font. Rows that a layout stacks take only the height
        // they need, so a frame's empty space goes before anything is cut.
        wanted.setWidth(FontScale::Scaled(designed_.width()));
        if (!layout) wanted.setHeight(FontScale::Scaled(designed_.height()));
    }
    wanted -= frame;
    // A window of placed controls cannot give up any of its room; a laid-out one
    // needs at least its layout's minimum, however wide the font.
    const QSize need = layout ? layout->totalMinimumSize() : wanted;
    return Fit(wanted, room(), need);
}

QSize OuterSize::room() const
{
    const QRect area = areaSource()(*window_);
    return area.isEmpty() ? QSize() : area.size() - frameForRoom(frameSource()(*window_));
}

void OuterSize::ScrollWhereTooSmall(QScrollArea* part)
{
    scroller_ = part;
    Apply();
}

void OuterSize::fitScroller()
{
    if (!scroller_ || !scroller_->widget() || !window_->layout()) return;
    const QSize whole = scroller_->widget()->minimumSizeHint();
    // What the window needs with the whole part shown.
    const QSize set = scroller_->minimumSize(), hint = scroller_->minimumSizeHint();
    const QSize now(set.width() > 0 ? set.width() : hint.width(), set.height() > 0 ? set.height() : hint.height());
    const QSize need = window_->layout()->totalMinimumSize() - now + whole;
    const QSize room = this->room();
    const QSize excess = room.isValid() ? (need - room).expandedTo(QSize(0, 0)) : QSize(0, 0);
    QSize part = whole;
    if (!excess.isNull()) {
        // What does not fit scrolls; the bar that scrolls it takes room across.
        const int bar = scroller_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroller_);
        part -= excess;
        if (excess.height() > 0) part.rwidth() += bar;
        if (excess.width() > 0) part.rheight() += bar;
        part = part.boundedTo(whole + QSize(bar, bar)).expandedTo(QSize(bar, bar));
    }
    if (scroller_->minimumSize() == part) return;
    scroller_->setMinimumSize(part);
    window_->layout()->activate();
}

QSize OuterSize::Outer() const
{
    if (designed_.isEmpty()) return window_->frameGeometry().size();
    return client() + frameSource()(*window_);
}

void OuterSize::Apply()
{
    for (const auto& [control, designed] : placed_)
        if (control) control->setGeometry(growth_ == Growth::WithFont ? FontScale::Scaled(designed) : designed);
    if (designed_.isEmpty()) return;
    fitScroller();
    const QSize size = client();
    if (window_->size() != size || window_->minimumSize() != size || window_->maximumSize() != size)
        window_->setFixedSize(size);
}

void OuterSize::SetFrameSource(FrameSource source) { frameSource() = source ? std::move(source) : windowFrame; }

void OuterSize::SetAreaSource(AreaSource source) { areaSource() = source ? std::move(source) : availableArea; }

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
