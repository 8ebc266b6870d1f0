// The rule from twips to pixels, and the rule that fits a window to the room its
// screen leaves it.
#include "FontScale.h"
#include "OuterSize.h"
#include "Twips.h"

#include <QApplication>
#include <QFontMetrics>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>

TEST(TwipsTest, ALengthTakesTheNearestPixelAndEdgesThatMeetStillMeet)
{
    const struct {
        double twips;
        int pixels;
    } lengths[] = {{11910, 794}, {8970, 598}, {2100, 140}, {1507, 100}, {1508, 101},
                   {7.5, 1},     {-7.5, -1},  {-2000, -133}, {0, 0}};
    for (const auto& l : lengths) EXPECT_EQ(Twips::ToPixels(l.twips), l.pixels) << l.twips;

    // Two neighbours in twips: the right edge of one is the left edge of the other.
    const QRect left = Twips::ToPixels(QRectF(1510, 900, 1800, 285));
    const QRect right = Twips::ToPixels(QRectF(3310, 900, 400, 285));
    EXPECT_EQ(left, QRect(101, 60, 120, 19));
    EXPECT_EQ(left.right() + 1, right.left());
    EXPECT_EQ(Twips::ToPixels(QSize(4800, 2880)), QSize(320, 192));
    EXPECT_EQ(Twips::FromPixels(QPoint(344, 104)), QPoint(5160, 1560));
}

TEST(OuterSizeTest, AWindowTakesItsDesignWhereItsScreenHasRoomAndNeverLessThanItsContents)
{
    const struct {
        const char* what;
        QSize wanted, room, need, client;
    } cases[] = {
        {"room for the design", {794, 598}, {1364, 698}, {600, 450}, {794, 598}},
        {"too tall for the screen", {1024, 771}, {1364, 698}, {900, 620}, {1024, 698}},
        {"too wide and too tall", {1400, 1100}, {1278, 650}, {900, 620}, {1278, 650}},
        {"contents taller than the room", {1024, 771}, {1022, 562}, {900, 620}, {1022, 620}},
        {"contents wider than the design", {794, 598}, {1364, 698}, {860, 450}, {860, 598}},
        {"no screen known", {794, 598}, QSize(), {600, 450}, {794, 598}},
    };
    for (const auto& c : cases) EXPECT_EQ(OuterSize::Fit(c.wanted, c.room, c.need), c.client) << c.what;
}

TEST(OuterSizeTest, TheRoomLeavesOutTheFrameAndATitleBarUntilTheFrameIsKnown)
{
    bool framed = false;
    const QSize frame(2, 38);
    OuterSize::SetFrameSource([&](const QWidget&) { return framed ? frame : QSize(0, 0); });
    OuterSize::SetAreaSource([](const QWidget&) { return QRect(0, 32, 1280, 688); });
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* contents = new QWidget(&window);
    contents->setMinimumSize(700, 500);
    layout->addWidget(contents);
    OuterSize outer(&window, QSize(1000, 900), OuterSize::Growth::None);

    const int titleBar = 2 * QFontMetrics(QApplication::font()).height();
    EXPECT_EQ(window.size(), QSize(1000, 688 - titleBar)) << "not yet framed";
    framed = true;
    outer.Apply();
    EXPECT_EQ(window.size(), QSize(998, 650));
    EXPECT_EQ(outer.Outer(), QSize(1000, 688));

    OuterSize::SetAreaSource([](const QWidget&) { return QRect(0, 32, 1024, 500); });
    outer.Apply();
    EXPECT_EQ(window.size(), QSize(998, 462).expandedTo(layout->totalMinimumSize()));
    EXPECT_GE(window.height(), 500) << "the contents keep their room";
    OuterSize::SetAreaSource({});
    OuterSize::SetFrameSource({});
}

// A larger font widens a laid-out window by the font's factor, and makes it as
// tall as its rows need, no taller: the empty space of its frames goes first.
TEST(OuterSizeTest, ALaidOutWindowWidensWithTheFontAndTakesTheHeightItsRowsNeed)
{
    OuterSize::SetFrameSource([](const QWidget&) { return QSize(0, 0); });
    OuterSize::SetAreaSource([](const QWidget&) { return QRect(0, 0, 1920, 1080); });
    const QFont saved = QApplication::font();
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 13));
    for (const int rows : {100, 500}) {
        SCOPED_TRACE(rows);
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* contents = new QWidget(&window);
        contents->setMinimumSize(200, rows);
        layout->addWidget(contents);
        OuterSize outer(&window, QSize(400, 300));
        EXPECT_EQ(window.width(), FontScale::Scaled(400));
        EXPECT_EQ(window.height(), std::max(300, layout->totalMinimumSize().height()));
    }
    QApplication::setFont(saved);
    OuterSize::SetAreaSource({});
    OuterSize::SetFrameSource({});
}
