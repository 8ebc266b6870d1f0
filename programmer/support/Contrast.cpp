#include "Contrast.h"

#include <algorithm>
#include <cmath>

namespace {

double linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

}  // namespace

double Contrast::Ratio(const QColor& text, const QColor& background)
{
    const double a = luminance(text), b = luminance(background);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor Contrast::BackgroundFor(const QColor& text)
{
    return Ratio(text, Qt::white) >= Ratio(text, Qt::black) ? QColor(Qt::white) : QColor(Qt::black);
}
