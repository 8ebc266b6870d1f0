#include "FontScale.h"

#include <QApplication>
#include <QFont>
#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace {

// Qt's own default, which the designed sizes were laid out at.
QFont designedFont() { return QFont(QStringLiteral("Sans Serif"), 9); }

const QString Sample = QStringLiteral("The quick brown fox jumps over the lazy dog 0123456789 TX RX");

struct Measure {
    double height;
    double width;
};

Measure measure(const QFont& font)
{
    const QFontMetricsF metrics(font);
    return {metrics.height(), metrics.horizontalAdvance(Sample)};
}

}  // namespace

double FontScale::Factor(const QFont& font)
{
    static const Measure designed = measure(designedFont());
    const Measure now = measure(font);
    const double factor = std::max(now.height / designed.height, now.width / designed.width);
    // Rounding of the metrics alone is no reason to move a designed pixel.
    return factor < 1.005 ? 1.0 : factor;
}

double FontScale::Factor() { return Factor(QApplication::font()); }

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
