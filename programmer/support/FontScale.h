#pragma once

#include <QRect>
#include <QSize>

class QFont;

// The windows' sizes are designed for Qt's default font. A desktop that sets a
// larger font gets every designed size and fixed width grown by the same factor,
// so that texts keep the room they were given.
namespace FontScale {

// How much larger the font draws than the designed one, by its height and by the
// widths of ordinary texts, whichever grows most; never below 1.
double Factor(const QFont& font);
// The factor of the application's font.
double Factor();

int Scaled(int designed);
QSize Scaled(const QSize& designed);
QRect Scaled(const QRect& designed);

}  // namespace FontScale
