#include "ReadableWindow.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOption>
#include <QTextLayout>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

std::string nameOf(const QWidget* w)
{
    const QString name = w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
    return (name + QStringLiteral(" \"") + w->property("text").toString() + QLatin1Char('"')).toStdString();
}

std::string describe(const QWidget* w, const QRect& r)
{
    return nameOf(w) + QStringLiteral(" at %1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()).toStdString();
}

bool shown(const QWidget* w) { return w->isVisible() && !w->size().isEmpty(); }

// The controls whose room the check is about.
bool counted(const QWidget* w)
{
    if (const auto* label = qobject_cast<const QLabel*>(w)) return !label->text().isEmpty() || !label->pixmap().isNull();
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QGroupBox*>(w) ||
           qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractSlider*>(w) ||
           qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QListWidget*>(w);
}

// The texts the mnemonic marks leave.
QString shownText(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

// Word-wrapped text at the width: every line break falls between words, and the
// lines fit the height.
void expectWrapped(const QWidget* w, const QFont& font, const QString& text, const QRect& room)
{
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    qreal height = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(room.width());
        line.setPosition(QPointF(0, height));
        height += line.height();
        const int start = line.textStart();
        if (start > 0) {
            EXPECT_TRUE(text.at(start - 1).isSpace())
                << describe(w, room) << ": a word broken at \"" << text.mid(start - 1, 8).toStdString() << "\"";
        }
        EXPECT_LE(line.naturalTextWidth(), room.width() + 0.5) << describe(w, room) << ": a word wider than the text";
    }
    layout.endLayout();
    EXPECT_LE(height, room.height() + 0.5) << describe(w, room) << ": lines below the text's room";
}

void expectTextFits(const QWidget* w, const QString& text, const QRect& room, int extraWidth = 0)
{
    const QFontMetrics metrics(w->font());
    const QSize need = metrics.size(0, text) + QSize(extraWidth, 0);
    EXPECT_LE(need.width(), room.width()) << describe(w, room) << ": text needs " << need.width();
    EXPECT_LE(metrics.height(), room.height()) << describe(w, room) << ": text needs height " << metrics.height();
}

void expectLabel(const QLabel* label)
{
    if (label->text().isEmpty()) return;
    const QRect room = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(), -label->margin());
    if (label->wordWrap()) expectWrapped(label, label->font(), label->text(), room);
    else expectTextFits(label, shownText(label->text()), room);
}

void expectButton(QAbstractButton* button)
{
    const QString text = shownText(button->text());
    if (auto* tool = qobject_cast<QToolButton*>(button)) {
        const QSize hint = tool->sizeHint();
        EXPECT_GE(tool->width(), hint.width()) << describe(tool, tool->geometry());
        EXPECT_GE(tool->height(), hint.height()) << describe(tool, tool->geometry());
        return;
    }
    if (text.isEmpty()) return;
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<QRadioButton*>(button)) contents = QStyle::SE_RadioButtonContents;
    else if (qobject_cast<QCheckBox*>(button)) contents = QStyle::SE_CheckBoxContents;
    const QRect room = button->style()->subElementRect(contents, &option, button);
    const int icon = option.icon.isNull() ? 0 : option.iconSize.width() + 4;
    expectTextFits(button, text, room, icon);
}

QRect captionOf(const QGroupBox* box)
{
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.lineWidth = 1;
    option.midLineWidth = 0;
    option.textAlignment = Qt::Alignment(box->alignment());
    option.subControls = QStyle::SC_GroupBoxFrame | (box->title().isEmpty() ? QStyle::SC_None : QStyle::SC_GroupBoxLabel);
    if (box->isFlat()) option.features |= QStyleOptionFrame::Flat;
    return box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
}

void expectLineEdit(const QLineEdit* box)
{
    QStyleOptionFrame option;
    option.initFrom(box);
    option.lineWidth = box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box) : 0;
    const QRect contents = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box);
    // The box's own margin on either side of its text.
    const QRect room = contents.adjusted(2, 0, -2, 0);
    const QFontMetrics metrics(box->font());
    EXPECT_LE(metrics.horizontalAdvance(box->text()), room.width()) << describe(box, room);
    EXPECT_LE(metrics.height(), room.height()) << describe(box, room);
}

void expectInside(const QWidget* parent, const std::vector<QWidget*>& children)
{
    QRect room = parent->rect();
    QRect caption;
    if (const auto* box = qobject_cast<const QGroupBox*>(parent)) {
        room = box->contentsRect();
        if (!box->title().isEmpty()) {
            caption = captionOf(box);
            EXPECT_TRUE(box->rect().contains(caption)) << describe(box, caption) << ": caption cut by its frame";
        }
    }
    for (const QWidget* child : children) {
        const QRect r = child->geometry();
        EXPECT_TRUE(room.contains(r)) << describe(child, r) << " outside " << describe(parent, room);
        if (!caption.isNull()) {
            EXPECT_FALSE(caption.intersects(r)) << describe(child, r) << " over the caption";
        }
    }
    for (size_t i = 0; i < children.size(); ++i)
        for (size_t j = i + 1; j < children.size(); ++j)
            EXPECT_FALSE(children[i]->geometry().intersects(children[j]->geometry()))
                << describe(children[i], children[i]->geometry()) << " over "
                << describe(children[j], children[j]->geometry());
}

void walk(QWidget* parent, Scrolling scrolling)
{
    std::vector<QWidget*> children;
    for (QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow() || !shown(child)) continue;
        if (counted(child)) children.push_back(child);
        if (auto* label = qobject_cast<QLabel*>(child)) expectLabel(label);
        else if (auto* button = qobject_cast<QAbstractButton*>(child)) expectButton(button);
        else if (auto* box = qobject_cast<QLineEdit*>(child)) expectLineEdit(box);
        else if (auto* text = qobject_cast<QPlainTextEdit*>(child); text && text->isReadOnly()) {
            EXPECT_EQ(text->verticalScrollBar()->maximum(), 0) << nameOf(text) << ": its text needs scrolling";
        }
        // A part of the window that scrolls holds controls of the window.
        if (auto* area = qobject_cast<QScrollArea*>(child); area && area->widget()) {
            if (scrolling == Scrolling::None) {
                EXPECT_EQ(area->verticalScrollBar()->maximum(), 0) << nameOf(area) << ": scrolls up and down";
                EXPECT_EQ(area->horizontalScrollBar()->maximum(), 0) << nameOf(area) << ": scrolls sideways";
            }
            walk(area->widget(), scrolling);
        }
        // The parts of a composite control are its own business.
        else if (!qobject_cast<QAbstractScrollArea*>(child) && !qobject_cast<QLineEdit*>(child)) walk(child, scrolling);
    }
    expectInside(parent, children);
}

}  // namespace

void ExpectReadable(QWidget* window, Scrolling scrolling)
{
    ASSERT_TRUE(window->isVisible()) << nameOf(window);
    if (const QLayout* layout = window->layout()) {
        EXPECT_TRUE(window->width() >= layout->totalMinimumSize().width() &&
                    window->height() >= layout->totalMinimumSize().height())
            << nameOf(window) << " squashed below its layout's " << layout->totalMinimumSize().width() << "x"
            << layout->totalMinimumSize().height();
    }
    walk(window, scrolling);
}
