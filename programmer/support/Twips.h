#pragma once

#include <QPoint>
#include <QRect>
#include <QRectF>
#include <QSize>

// The windows and the printed sheet are designed in twips: 15 to a pixel of the
// screen at the designed font, 1440 to an inch of paper.
namespace Twips {

constexpr int PerPixel = 15;

// To the nearest pixel, halves away from zero.
constexpr int ToPixels(double twips)
{
    const double pixels = twips / PerPixel;
    return pixels < 0 ? -int(-pixels + 0.5) : int(pixels + 0.5);
}

constexpr QSize ToPixels(QSize twips) { return {ToPixels(twips.width()), ToPixels(twips.height())}; }

// Each edge to its nearest pixel, so that rectangles that meet in twips meet in pixels.
constexpr QRect ToPixels(const QRectF& twips)
{
    const int left = ToPixels(twips.left()), top = ToPixels(twips.top());
    return {left, top, ToPixels(twips.left() + twips.width()) - left, ToPixels(twips.top() + twips.height()) - top};
}

constexpr QPoint FromPixels(QPoint pixels) { return pixels * PerPixel; }

}  // namespace Twips
