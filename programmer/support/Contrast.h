#pragma once

#include <QColor>

// How well a text colour reads on a background, as the contrast ratio of their
// relative luminances (1 to 21).
namespace Contrast {

// Ordinary text reads at this ratio or more.
constexpr double Readable = 4.5;

double Ratio(const QColor& text, const QColor& background);
// White or black, whichever sets the text off more: never below Readable.
QColor BackgroundFor(const QColor& text);

}  // namespace Contrast
