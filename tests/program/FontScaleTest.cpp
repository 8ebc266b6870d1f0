// The growth of the designed sizes with the desktop's font.
#include "FontScale.h"

#include <QApplication>
#include <QFont>
#include <QFontMetricsF>
#include <gtest/gtest.h>

TEST(FontScaleTest, SizesGrowWithTheFontAndNeverShrink)
{
    const QFont designed(QStringLiteral("Sans Serif"), 9);
    EXPECT_EQ(FontScale::Factor(designed), 1.0);
    EXPECT_EQ(FontScale::Factor(QFont(QStringLiteral("DejaVu Sans"), 7)), 1.0) << "a smaller font keeps the sizes";
    const QFont larger(QStringLiteral("DejaVu Sans"), 13);
    const double byHeight = QFontMetricsF(larger).height() / QFontMetricsF(designed).height();
    EXPECT_GE(FontScale::Factor(larger), byHeight);
    // A taller font of narrow letters grows by its height; a wide one by its width.
    for (const QFont& font : {QFont(QStringLiteral("Cantarell"), 11), QFont(QStringLiteral("DejaVu Sans Mono"), 9)}) {
        SCOPED_TRACE(font.family().toStdString());
        const QFontMetricsF now(font), then(designed);
        const QString text = QStringLiteral("Transmitter Lead in Delay");
        EXPECT_GE(FontScale::Factor(font) * then.horizontalAdvance(text), now.horizontalAdvance(text) * 0.97);
        EXPECT_GE(FontScale::Factor(font) * then.height(), now.height());
    }

    const QFont saved = QApplication::font();
    QApplication::setFont(larger);
    const double factor = FontScale::Factor();
    EXPECT_EQ(FontScale::Scaled(100), int(std::ceil(100 * factor)));
    EXPECT_EQ(FontScale::Scaled(QSize(794, 598)), QSize(int(std::ceil(794 * factor)), int(std::ceil(598 * factor))));
    const QRect placed = FontScale::Scaled(QRect(20, 34, 380, 18));
    EXPECT_EQ(placed.topLeft(), QPoint(int(std::ceil(20 * factor)), int(std::ceil(34 * factor))));
    EXPECT_EQ(placed.right() + 1, int(std::ceil(400 * factor)));
    QApplication::setFont(saved);
    EXPECT_EQ(FontScale::Scaled(QSize(794, 598)), QSize(794, 598));
}
