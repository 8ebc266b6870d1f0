#include "ProgressWindow.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <gtest/gtest.h>

namespace {

class ProgressWindowTest : public ::testing::Test {
protected:
    template <class T>
    T* Child(const char* name)
    {
        T* child = window.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    // A child's horizontal extent in the window's coordinates.
    struct Span {
        int left, right;
        int centre() const { return (left + right) / 2; }
    };
    Span SpanOf(const QWidget* w) const
    {
        const QPoint topLeft = w->mapTo(&window, QPoint(0, 0));
        return {topLeft.x(), topLeft.x() + w->width()};
    }
    // The extent of a label's text, as it is aligned in the label.
    Span TextSpanOf(const QLabel* label) const
    {
        const Span box = SpanOf(label);
        const int text = label->fontMetrics().horizontalAdvance(label->text());
        const Qt::Alignment a = label->alignment();
        if (a & Qt::AlignRight) return {box.right - text, box.right};
        if (a & Qt::AlignHCenter) return {box.centre() - text / 2, box.centre() + text / 2};
        return {box.left, box.left + text};
    }

    ProgressWindow window;
};

TEST_F(ProgressWindowTest, HasTheBarAndItsLabels)
{
    QProgressBar* bar = Child<QProgressBar>("ProgressBar1");
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->minimum(), 0);
    EXPECT_EQ(bar->maximum(), 100);
    const struct {
        const char* name;
        const char* text;
    } labels[] = {{"Label2", "Percentage Done:"}, {"Label1_0", "0%"}, {"Label1_1", "50%"}, {"Label1_2", "100%"}};
    for (const auto& l : labels) {
        SCOPED_TRACE(l.name);
        const QLabel* label = Child<QLabel>(l.name);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), l.text);
    }
}

TEST_F(ProgressWindowTest, TheMarksSitAtTheEndsAndTheMiddleOfTheBar)
{
    window.Show();
    QApplication::processEvents();
    const QProgressBar* bar = Child<QProgressBar>("ProgressBar1");
    const QLabel* marks[] = {Child<QLabel>("Label1_0"), Child<QLabel>("Label1_1"), Child<QLabel>("Label1_2")};
    ASSERT_TRUE(bar && marks[0] && marks[1] && marks[2]);
    const Span b = SpanOf(bar);
    const Span left = TextSpanOf(marks[0]), middle = TextSpanOf(marks[1]), right = TextSpanOf(marks[2]);
    constexpr int slack = 12;
    EXPECT_NEAR(left.left, b.left, slack);
    EXPECT_NEAR(middle.centre(), b.centre(), slack);
    EXPECT_NEAR(right.right, b.right, slack);
    for (const QLabel* mark : marks)
        EXPECT_GT(mark->mapTo(&window, QPoint(0, 0)).y(), bar->mapTo(&window, QPoint(0, 0)).y()) << "under the bar";
}

TEST_F(ProgressWindowTest, IsDrivenByItsUsers)
{
    const QProgressBar* bar = Child<QProgressBar>("ProgressBar1");
    ASSERT_NE(bar, nullptr);
    const char* captions[] = {"Reading Modem Configuration", "Writing Modem Configuration",
                              "Automatically Calculating Min. RX Signal"};
    for (const char* caption : captions) {
        SCOPED_TRACE(caption);
        window.SetCaption(QString::fromLatin1(caption));
        window.Show();
        EXPECT_EQ(window.windowTitle(), caption);
        EXPECT_TRUE(window.isVisible());
        EXPECT_TRUE(window.isWindow());
        EXPECT_FALSE(window.isModal());
        for (const int value : {0, 10, 20, 35, 50, 75, 95, 100}) {
            window.SetValue(value);
            window.Repaint();
            EXPECT_EQ(window.Value(), value);
            EXPECT_EQ(bar->value(), value);
        }
        window.Hide();
        EXPECT_FALSE(window.isVisible());
        // Hiding it twice is harmless.
        window.Hide();
        EXPECT_FALSE(window.isVisible());
    }
}

}  // namespace
