#include "FontScale.h"

#include <QApplication>
#include <QFont>
#include <QFontMetricsF>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

// Qt's own default, which the designed sizes were laid out at.
QFont designedFont() { return QFont(QStringLiteral("Sans Serif"), 9); }

// Ordinary texts of the windows: small letters, capitals and figures, which
// different fonts widen by different amounts.
const QString Samples[] = {
    QStringLiteral("the quick brown fox jumps over the lazy dog"),
    QStringLiteral("THE QUICK BROWN FOX JUMPS OVER THE LAZY DOG"),
    QStringLiteral("0123456789 (.,:-%)"),
};

struct Measure {
    double height;
    double widths[std::size(Samples)];
};

Measure measure(const QFont& font)
{
    const QFontMetricsF metrics(font);
    Measure m{metrics.height(), {}};
    for (size_t i = 0; i < std::size(Samples); ++i) m.widths[i] = metrics.horizontalAdvance(Samples[i]);
    return m;
}

}  // namespace

double FontScale::Factor(const QFont& font)
{
    static const Measure designed = measure(designedFont());
    const Measure now = measure(font);
    double factor = now.height / designed.height;
    for (size_t i = 0; i < std::size(Samples); ++i) factor = std::max(factor, now.widths[i] / designed.widths[i]);
    // Rounding of the metrics alone is no reason to move a designed pixel.
    return factor < 1.005 ? 1.0 : factor;
}

double FontScale::Factor()
{
    // Every designed size asks, and windows re-apply their sizes on each move:
    // measure only when the application's font has changed.
    static QFont measured;
    static double factor = 0;
    const QFont font = QApplication::font();
    if (factor == 0 || font != measured) {
        measured = font;
        factor = Factor(font);
    }
    return factor;
}

int FontScale::Scaled(int designed)
{
    const double factor = Factor();
    if (factor == 1.0) return designed;
    return int(std::ceil(designed * factor));
}

QSize FontScale::Scaled(const QSize& designed) { return {Scaled(designed.width()), Scaled(designed.height())}; }

QRect FontScale::Scaled(const QRect& designed)
{
    const int left = Scaled(designed.left()), top = Scaled(designed.top());
    return {left, top, Scaled(designed.left() + designed.width()) - left, Scaled(designed.top() + designed.height()) - top};
}
