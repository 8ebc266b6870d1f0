#pragma once

#include <QObject>
#include <QRect>
#include <QSize>

#include <QPointer>
#include <QScrollArea>
#include <QWidget>

#include <functional>
#include <vector>

// Keeps a fixed-size window at its designed outer size, grown with the font
// (FontScale: a laid-out window in width, and in height as far as its rows
// need), as far as the screen it opens on has room for it with its frame, and
// never below what its layout needs. The window system tells the frame only
// some time after the window is first shown, so the client size is worked out
// again whenever the window is shown, moved or activated.
class OuterSize : public QObject {
public:
    // The frame around a window as its window system reports it.
    using FrameSource = std::function<QSize(const QWidget&)>;
    // The part of its screen a window may take (panels and bars left out).
    using AreaSource = std::function<QRect(const QWidget&)>;

    // Whether the designed size was laid out at the designed font (and grows with
    // the font in use) or for fonts of its own.
    enum class Growth { WithFont, None };

    // designed: the outer size in pixels at the designed font; an empty size
    // leaves the window as it is until one is set.
    OuterSize(QWidget* window, QSize designed, Growth growth = Growth::WithFont);

    void SetDesigned(QSize designed);
    // Keeps a control of a window without a layout at its designed place (pixels
    // at the designed font), grown as the window grows.
    void Place(QWidget* control, QRect designed);
    // The part of the window that scrolls where the screen has no room for the
    // whole window; elsewhere it shows all of its contents.
    void ScrollWhereTooSmall(QScrollArea* part);
    // The outer size the window is kept at now.
    QSize Outer() const;
    // Fixes the client size from the outer size, the frame and the screen known now.
    void Apply();

    // The client size of a window: what its design wants, within the room its
    // screen leaves, never below what its contents need.
    static QSize Fit(QSize wanted, QSize room, QSize need);

    // Tests stand in for a window system whose frame comes late, and for screens.
    static void SetFrameSource(FrameSource source);
    static void SetAreaSource(AreaSource source);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QSize client() const;
    QSize room() const;
    void fitScroller();

    QWidget* window_;
    QSize designed_;
    Growth growth_;
    std::vector<std::pair<QPointer<QWidget>, QRect>> placed_;
    QPointer<QScrollArea> scroller_;
};
