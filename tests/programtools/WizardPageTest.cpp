// The wizard's pages as its database lays them out: the first page by build
// type, where and how each kind of item is placed, the diagnostics-only items,
// the limit of ten elements of a kind, and the pictures.
#include "QtPrinting.h"
#include "Contrast.h"
#include "ModemSetting.h"
#include "ScriptedPrompt.h"
#include "ShownAsText.h"
#include "StartModule.h"
#include "WizardDb.h"
#include "WizardFixture.h"
#include "WizardForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class WizardPageTest : public WizardFixture {
protected:
    // Where a rectangle of twips lands: twips of the outer size spread over the client.
    QRect Scaled(int left, int top, int width, int height, const QSizeF& page) const
    {
        const double sx = wizard.width() / page.width(), sy = wizard.height() / page.height();
        const int x = qRound(left * sx), y = qRound(top * sy);
        return {x, y, qRound((left + width) * sx) - x, qRound((top + height) * sy) - y};
    }

    static QColor Text(const QWidget* w) { return w->palette().color(QPalette::WindowText); }
    static QColor ButtonText() { return QApplication::palette().color(QPalette::ButtonText); }

    QStringList ShownLabels() const
    {
        QStringList shown;
        for (const QLabel* label : wizard.LabelArray)
            if (label->isVisible()) shown << label->text();
        return shown;
    }
};

TEST_F(WizardPageTest, TheFirstPageIsTheFirstRangeHoldingTheBuildType)
{
    db.StartUp(0, 5, 1);
    db.StartUp(6, 7, 2);
    db.StartUp(6, 9, 3);
    db.StartUp(10, 19, 4);
    const struct {
        int type, page;
    } cases[] = {{0, 1}, {5, 1}, {6, 2}, {7, 2}, {8, 3}, {9, 3}, {10, 4}, {19, 4}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "build type " << c.type);
        int16_t type = int16_t(c.type), start = 0;
        wizard.StartUpWizard(type, start);
        EXPECT_FALSE(wizard.Failed());
        EXPECT_EQ(wizard.PageID, c.page);
        EXPECT_EQ(wizard.BuildType, c.type);
        EXPECT_EQ(type, c.type) << "the arguments are not changed";
    }
    // A page given is taken as it is, whatever the build type.
    int16_t type = 6, start = 42;
    wizard.StartUpWizard(type, start);
    EXPECT_EQ(wizard.PageID, 42);
    EXPECT_EQ(wizard.BuildType, 6);
    EXPECT_TRUE(prompt.Boxes().isEmpty());
}

TEST_F(WizardPageTest, EachKindIsPlacedInTwipsWithItsFontAndColour)
{
    db.Page(1, QStringLiteral("First Page"), 4500, 6000);
    db.Picture(QStringLiteral("red.png"), Qt::red, 20);
    db.Picture(QStringLiteral("blue.png"), Qt::blue, 24);
    using Item = WizardDb::Item;
    Item label{.PageId = 1, .ItemId = 1, .TypeOfItem = 2, .Title = QStringLiteral("A label")};
    label.Left = -2000, label.Top = 300, label.Width = 1800, label.Height = 450;
    label.FontName = QStringLiteral("DejaVu Serif"), label.FontSize = 14, label.FontStyle = 1 | 2;
    label.ForeColor = 0x0000FF;  // blue-green-red: red
    Item picture{.PageId = 1, .ItemId = 2, .TypeOfItem = 1, .Picture = QStringLiteral("red.png")};
    picture.Left = 150, picture.Top = -1500, picture.Width = 960, picture.Height = 960, picture.FontStyle = 4;
    Item button{.PageId = 1, .ItemId = 3, .TypeOfItem = 0, .Title = QStringLiteral("Go"), .Picture = QStringLiteral("blue.png")};
    button.Left = 3000, button.Top = 1500, button.Width = 1500, button.Height = 900;
    button.FontSize = 11, button.FontStyle = 8, button.Action = 3;
    Item check{.PageId = 1, .ItemId = 4, .TypeOfItem = 3, .Title = QStringLiteral("Tick me")};
    check.Left = 300, check.Top = 2400, check.Width = 3000, check.Height = 300, check.ForeColor = 0x00FF00;
    Item odd{.PageId = 1, .ItemId = 5, .TypeOfItem = 7, .Title = QStringLiteral("not an item")};
    for (const Item& i : {label, picture, button, check, odd}) db.AddItem(i);

    Open(1);
    ASSERT_FALSE(wizard.Failed()) << prompt.Texts().join(" | ").toStdString();
    EXPECT_EQ(wizard.windowTitle(), "First Page");
    EXPECT_EQ(wizard.frameGeometry().size(), QSize(400, 300)) << "6000 x 4500 twips outside";
    const QSizeF page(6000, 4500);

    const QLabel* l = wizard.LabelArray[0];
    EXPECT_TRUE(l->isVisible());
    EXPECT_EQ(l->text(), "A label");
    EXPECT_EQ(l->geometry(), Scaled(4000, 300, 1800, 450, page)) << "Left -2000 counts from the right edge";
    EXPECT_EQ(l->font().family(), "DejaVu Serif");
    EXPECT_EQ(l->font().pointSizeF(), 14);
    EXPECT_TRUE(l->font().bold());
    EXPECT_TRUE(l->font().italic());
    EXPECT_FALSE(l->font().underline());
    EXPECT_EQ(Text(l), QColor(255, 0, 0));

    const QLabel* p = wizard.PictureArray[0];
    EXPECT_TRUE(p->isVisible());
    EXPECT_EQ(p->geometry(), Scaled(150, 3000, 960, 960, page)) << "Top -1500 counts from the bottom edge";
    ASSERT_FALSE(p->pixmap().isNull());
    EXPECT_EQ(p->pixmap().toImage().pixelColor(5, 5), QColor(Qt::red));
    EXPECT_TRUE(p->font().underline());

    const QToolButton* b = wizard.ButtonArray[0];
    EXPECT_TRUE(b->isVisible());
    EXPECT_EQ(b->text(), "Go");
    EXPECT_EQ(b->geometry(), Scaled(3000, 1500, 1500, 900, page));
    EXPECT_EQ(b->font().pointSizeF(), 11);
    EXPECT_TRUE(b->font().strikeOut());
    EXPECT_FALSE(b->icon().isNull());
    EXPECT_EQ(b->toolButtonStyle(), Qt::ToolButtonTextUnderIcon) << "the picture above the caption";

    EXPECT_TRUE(wizard.CheckBoxText->isVisible());
    EXPECT_FALSE(wizard.CheckBoxGraph->isVisible());
    EXPECT_EQ(wizard.CheckBoxText->text(), "Tick me");
    EXPECT_EQ(wizard.CheckBoxText->geometry(), Scaled(300, 2400, 3000, 300, page));
    EXPECT_EQ(Text(wizard.CheckBoxText), QColor(0, 255, 0));

    // Only the elements the page uses are shown; the unknown kind is skipped.
    EXPECT_FALSE(wizard.LabelArray[1]->isVisible());
    EXPECT_FALSE(wizard.PictureArray[1]->isVisible());
    EXPECT_FALSE(wizard.ButtonArray[1]->isVisible());
    EXPECT_TRUE(prompt.Boxes().isEmpty());
}

TEST_F(WizardPageTest, TheGraphicalCheckBoxAndTheSystemTextColour)
{
    db.Page(2, QStringLiteral("Second"), 3000, 4500);
    using Item = WizardDb::Item;
    Item zero{.PageId = 2, .ItemId = 1, .TypeOfItem = 2, .Title = QStringLiteral("zero")};
    zero.ForeColor = 0;
    Item null{.PageId = 2, .ItemId = 2, .TypeOfItem = 2, .Title = QStringLiteral("null")};
    null.ForeColor = std::nullopt;
    Item system{.PageId = 2, .ItemId = 3, .TypeOfItem = 2, .Title = QStringLiteral("system")};
    system.ForeColor = 0x80000012;
    Item graph{.PageId = 2, .ItemId = 4, .TypeOfItem = 3, .Title = QStringLiteral("Pressed in")};
    graph.FontStyle = 17, graph.Left = 450, graph.Top = 1500, graph.Width = 1800, graph.Height = 450;
    for (const Item& i : {zero, null, system, graph}) db.AddItem(i);

    Open(2);
    ASSERT_FALSE(wizard.Failed());
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(wizard.LabelArray[i]->text().toStdString());
        EXPECT_EQ(Text(wizard.LabelArray[i]), ButtonText());
    }
    EXPECT_TRUE(wizard.CheckBoxGraph->isVisible());
    EXPECT_FALSE(wizard.CheckBoxText->isVisible());
    EXPECT_TRUE(wizard.CheckBoxGraph->isCheckable()) << "a button that stays pressed";
    EXPECT_TRUE(wizard.CheckBoxGraph->font().bold()) << "FontStyle 17: graphical and bold";
    EXPECT_EQ(wizard.CheckBoxGraph->text(), "Pressed in");
    EXPECT_EQ(wizard.CheckBoxGraph->geometry(), Scaled(450, 1500, 1800, 450, QSizeF(4500, 3000)));
}

// The colour most of an element is drawn in on its page: its background.
QColor groundOf(QWidget* w)
{
    const QImage image = w->parentWidget()->grab(w->geometry()).toImage();
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) ++counts[image.pixel(x, y)];
    QRgb most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > counts.value(most)) most = it.key();
    return QColor::fromRgb(most);
}

// A dark desktop: a navy heading of the database keeps its colour and reads on a
// background of its own; texts in the desktop's colours and pages of a light
// desktop stay as they are.
TEST_F(WizardPageTest, StoredColoursReadOnADarkDesktop)
{
    db.Page(3, QStringLiteral("Third"), 4500, 6000);
    using Item = WizardDb::Item;
    Item heading{.PageId = 3, .ItemId = 1, .TypeOfItem = 2, .Title = QStringLiteral("How will this modem be used?")};
    heading.Left = 240, heading.Top = 240, heading.Width = 5040, heading.Height = 660;
    heading.FontSize = 12, heading.FontStyle = 1, heading.ForeColor = 0x800000;
    Item plain{.PageId = 3, .ItemId = 2, .TypeOfItem = 2, .Title = QStringLiteral("In the desktop's colour")};
    plain.Left = 240, plain.Top = 1200, plain.Width = 5040, plain.Height = 300, plain.ForeColor = 0;
    Item check{.PageId = 3, .ItemId = 3, .TypeOfItem = 3, .Title = QStringLiteral("A navy check box")};
    check.Left = 240, check.Top = 1800, check.Width = 3000, check.Height = 300, check.ForeColor = 0x800000;
    for (const Item& i : {heading, plain, check}) db.AddItem(i);

    const QPalette saved = QApplication::palette();
    QPalette dark;
    const QColor grey(0x35, 0x35, 0x35), white(Qt::white);
    for (auto [role, colour] : {std::pair{QPalette::Window, grey}, {QPalette::Button, grey},
                                {QPalette::Base, QColor(0x23, 0x23, 0x23)}, {QPalette::WindowText, white},
                                {QPalette::ButtonText, white}, {QPalette::Text, white}})
        dark.setColor(role, colour);
    // The desktop's palette reaches the windows by an event, as a theme's does.
    QApplication::setPalette(dark);
    QApplication::processEvents();
    Open(3);
    ASSERT_FALSE(wizard.Failed());
    const QColor navy(0x00, 0x00, 0x80);
    EXPECT_LT(Contrast::Ratio(navy, dark.color(QPalette::Window)), 1.5) << "unreadable on the page itself";
    for (QWidget* item : {static_cast<QWidget*>(wizard.LabelArray[0]), static_cast<QWidget*>(wizard.CheckBoxText)}) {
        SCOPED_TRACE(item->objectName().toStdString());
        EXPECT_EQ(Text(item), navy) << "the database's colour";
        EXPECT_GE(Contrast::Ratio(navy, groundOf(item)), Contrast::Readable);
    }
    QLabel* inDesktopColour = wizard.LabelArray[1];
    EXPECT_EQ(Text(inDesktopColour), QColor(Qt::white));
    EXPECT_EQ(groundOf(inDesktopColour), dark.color(QPalette::Window)) << "no background of its own";

    QApplication::setPalette(saved);
    QApplication::processEvents();
    wizard.hide();
    Open(3);
    EXPECT_EQ(Text(wizard.LabelArray[0]), navy);
    EXPECT_EQ(groundOf(wizard.LabelArray[0]), wizard.palette().color(QPalette::Window)) << "a light page as it is";
}

// Tab walks the page as it reads: a check box above the buttons comes before
// them, although the buttons' elements were made first.
TEST_F(WizardPageTest, TabWalksThePageTopToBottom)
{
    db.Page(3, QStringLiteral("Third"), 3000, 4500);
    using Item = WizardDb::Item;
    Item next{.PageId = 3, .ItemId = 1, .TypeOfItem = 0, .Title = QStringLiteral("Next")};
    next.Left = 2400, next.Top = -600, next.Width = 1200, next.Height = 400;
    next.Action = 0, next.Param1 = 0, next.Param2 = 0;
    Item cancel{.PageId = 3, .ItemId = 2, .TypeOfItem = 0, .Title = QStringLiteral("Cancel")};
    cancel.Left = 600, cancel.Top = -600, cancel.Width = 1200, cancel.Height = 400;
    cancel.Action = 0, cancel.Param1 = 0, cancel.Param2 = 0;
    Item tick{.PageId = 3, .ItemId = 3, .TypeOfItem = 3, .Title = QStringLiteral("Port B too")};
    tick.Left = 600, tick.Top = 1200, tick.Width = 3000, tick.Height = 360;
    for (const Item& i : {next, cancel, tick}) db.AddItem(i);

    Open(3);
    ASSERT_FALSE(wizard.Failed()) << prompt.Texts().join(" | ").toStdString();
    QStringList order;
    QWidget* w = wizard.CheckBoxText;
    for (int i = 0; i < 3; ++i, w = w->nextInFocusChain()) {
        while (!w->isVisible() || !(w->focusPolicy() & Qt::TabFocus)) w = w->nextInFocusChain();
        order << (w == wizard.CheckBoxText ? QStringLiteral("tick") : w->property("text").toString());
    }
    EXPECT_EQ(order, QStringList({"tick", "Cancel", "Next"}));
}

TEST_F(WizardPageTest, DiagnosticsOnlyItemsNeedTheDiagnosticsProcessor)
{
    db.Page(1);
    const struct {
        const char* title;
        std::optional<bool> diagsOnly;
    } rows[] = {{"always", false}, {"only with", true}, {"null is only with", std::nullopt}, {"always too", false}};
    int id = 0;
    for (const auto& r : rows) {
        WizardDb::Item item{.PageId = 1, .ItemId = ++id, .TypeOfItem = 2, .Title = QString::fromLatin1(r.title)};
        item.DiagsOnly = r.diagsOnly;
        db.AddItem(item);
    }
    for (bool diagnostics : {false, true}) {
        SCOPED_TRACE(diagnostics ? "diagnostics enabled" : "diagnostics disabled");
        modem.DiagEnable = diagnostics;
        wizard.hide();
        Open(1);
        const QStringList expected = diagnostics ? QStringList{"always", "only with", "null is only with", "always too"}
                                                 : QStringList{"always", "always too"};
        EXPECT_EQ(ShownLabels(), expected) << "placed in item order from element 0";
    }
}

TEST_F(WizardPageTest, TenOfAKindFitAndTheEleventhEndsTheRunWithItsMessage)
{
    const struct {
        const char* kind;
        int type;
    } kinds[] = {{"button", 0}, {"picture", 1}, {"label", 2}};
    for (const auto& k : kinds) {
        for (int count : {10, 11}) {
            SCOPED_TRACE(testing::Message() << count << " of kind " << k.kind);
            const int page = 100 + 10 * k.type + count;
            db.Page(page);
            for (int i = 1; i <= count; ++i) {
                WizardDb::Item item{.PageId = page, .ItemId = i, .TypeOfItem = k.type,
                                    .Title = QStringLiteral("%1 %2").arg(QLatin1String(k.kind)).arg(i)};
                item.Action = 3;
                db.AddItem(item);
            }
            prompt.Clear();
            wizard.hide();
            Open(page);
            QApplication::processEvents();
            if (count == 10) {
                EXPECT_FALSE(wizard.Failed());
                EXPECT_TRUE(prompt.Boxes().isEmpty());
                EXPECT_TRUE(wizard.isVisible());
                for (int i = 0; i < 10; ++i) {
                    const QWidget* element = k.type == 0   ? static_cast<QWidget*>(wizard.ButtonArray[i])
                                             : k.type == 1 ? static_cast<QWidget*>(wizard.PictureArray[i])
                                                           : static_cast<QWidget*>(wizard.LabelArray[i]);
                    EXPECT_TRUE(element->isVisible()) << i;
                }
                EXPECT_FALSE(wizard.LabelArray[10]->isVisible());
            } else {
                EXPECT_TRUE(wizard.Failed());
                ASSERT_EQ(prompt.Boxes().size(), 1);
                EXPECT_EQ(prompt.Boxes()[0].Text,
                          QStringLiteral("Fatal Error has occured in the application,please report Error W%1 to "
                                         "Orvane Sypheral")
                              .arg(page));
                EXPECT_EQ(prompt.Boxes()[0].Title, StartModule::ApplicationTitle);
                EXPECT_EQ(prompt.Boxes()[0].Buttons, MsgButtons::OK);
                EXPECT_FALSE(wizard.isVisible()) << "the wizard closes";
            }
        }
    }
}

TEST_F(WizardPageTest, AMissingPictureKeepsTheElementsPictureAndAnEmptyOneClearsIt)
{
    db.Picture(QStringLiteral("green.png"), Qt::green);
    for (int page : {1, 2, 3}) db.Page(page);
    const struct {
        int page;
        std::optional<QString> picture;
    } rows[] = {{1, QStringLiteral("green.png")}, {2, QStringLiteral("gone.png")}, {3, std::nullopt}};
    for (const auto& r : rows) {
        WizardDb::Item item{.PageId = r.page, .ItemId = 1, .TypeOfItem = 1, .Picture = r.picture};
        db.AddItem(item);
    }
    Open(1);
    ASSERT_FALSE(wizard.PictureArray[0]->pixmap().isNull());
    wizard.hide();
    Open(2);
    EXPECT_FALSE(wizard.Failed()) << "a missing file is no fault";
    EXPECT_TRUE(prompt.Boxes().isEmpty());
    ASSERT_FALSE(wizard.PictureArray[0]->pixmap().isNull());
    EXPECT_EQ(wizard.PictureArray[0]->pixmap().toImage().pixelColor(2, 2), QColor(Qt::green));
    wizard.hide();
    Open(3);
    EXPECT_TRUE(wizard.PictureArray[0]->pixmap().isNull());
}

TEST_F(WizardPageTest, ShowingThePageAgainRebuildsItWithTheCheckBoxClear)
{
    db.Page(1);
    WizardDb::Item check{.PageId = 1, .ItemId = 1, .TypeOfItem = 3, .Title = QStringLiteral("Tick")};
    db.AddItem(check);
    Open(1);
    wizard.CheckBoxText->click();
    ASSERT_TRUE(wizard.CheckBoxText->isChecked());
    wizard.hide();
    wizard.show();
    QApplication::processEvents();
    EXPECT_TRUE(wizard.CheckBoxText->isVisible());
    EXPECT_FALSE(wizard.CheckBoxText->isChecked());
}

}  // namespace

TEST_F(WizardPageTest, ALabelsTitleIsShownAsItsCharacters)
{
    db.Page(1);
    const char* titles[] = {"<b>Bold</b> choice", "<img src=\"x.png\">", "Port A &amp; B"};
    int id = 0;
    for (const char* title : titles)
        db.AddItem({.PageId = 1, .ItemId = ++id, .TypeOfItem = 2, .Title = QString::fromLatin1(title)});

    Open(1);
    ASSERT_FALSE(wizard.Failed()) << prompt.Texts().join(" | ").toStdString();
    EXPECT_EQ(ShownLabels(), QStringList({titles[0], titles[1], titles[2]}));
    for (const QLabel* label : wizard.LabelArray) EXPECT_TRUE(ShownAsText(label)) << label->text().toStdString();
}
