#pragma once

#include <QObject>
#include <QSize>

#include <functional>

class QWidget;

// Keeps a fixed-size window at its designed outer size, grown with the font
// (FontScale) and never below what its layout needs. The window system tells the
// frame only some time after the window is first shown, so the client size is
// worked out again whenever the window is shown, moved or activated.
class OuterSize : public QObject {
public:
    // The frame around a window as its window system reports it.
    using FrameSource = std::function<QSize(const QWidget&)>;

    // Whether the designed size was laid out at the designed font (and grows with
    // the font in use) or for fonts of its own.
    enum class Growth { WithFont, None };

    // designed: the outer size in pixels at the designed font; an empty size
    // leaves the window as it is until one is set.
    OuterSize(QWidget* window, QSize designed, Growth growth = Growth::WithFont);

    void SetDesigned(QSize designed);
    QSize Designed() const { return designed_; }
    // The outer size the window is kept at now.
    QSize Outer() const;
    // Fixes the client size from the outer size and the frame known now.
    void Apply();

    // Tests stand in for a window system whose frame comes late.
    static void SetFrameSource(FrameSource source);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    QSize designed_;
    Growth growth_;
};
