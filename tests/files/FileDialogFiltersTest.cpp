// The Open and Save dialogs' filters as the dialog lists them: each name whole
// and once, each choosing its own patterns.
#include "QtFileDialogs.h"

#include <QComboBox>
#include <QFileDialog>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Qt's reading of a filter: a name, then the patterns in the last brackets.
QStringList patternsOf(const QString& filter)
{
    static const QRegularExpression form(QStringLiteral("^(.*)\\(([a-zA-Z0-9_.,*? +;#\\-\\[\\]@{}/!<>$%&=^~:|]*)\\)$"));
    const QRegularExpressionMatch match = form.match(filter);
    return match.hasMatch() ? match.captured(2).split(QLatin1Char(' '), Qt::SkipEmptyParts) : QStringList();
}

}  // namespace

TEST(FileDialogFiltersTest, EachFilterIsListedOnceByItsWholeName)
{
    const struct {
        const char* filter;
        std::vector<std::pair<const char*, QStringList>> shown;
    } cases[] = {
        {"Microsoft Access(*.mdb) & Dat Files(*.dat)|*.mdb;*.dat|Microsoft Access(*.mdb)|*.mdb|"
         "Dat Files(*.dat)|*.dat|All File|*.*",
         {{"Microsoft Access(*.mdb) & Dat Files(*.dat)", {"*.mdb", "*.dat"}},
          {"Microsoft Access(*.mdb)", {"*.mdb"}},
          {"Dat Files(*.dat)", {"*.dat"}},
          {"All File", {"*"}}}},
        {"Microsoft Access(*.mdb)|*.mdb", {{"Microsoft Access(*.mdb)", {"*.mdb"}}}},
    };
    QTemporaryDir folder;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.filter);
        QFileDialog dialog;
        QtFileDialogs::Prepare(dialog, {folder.path(), QString(), QString::fromLatin1(c.filter)});
        EXPECT_TRUE(dialog.testOption(QFileDialog::DontUseNativeDialog));
        const auto* list = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        ASSERT_NE(list, nullptr);
        ASSERT_EQ(list->count(), int(c.shown.size()));
        EXPECT_EQ(list->currentIndex(), 0);
        QSet<QString> names;
        for (int i = 0; i < list->count(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(list->itemText(i), QString::fromLatin1(c.shown[size_t(i)].first));
            names.insert(list->itemText(i));
            EXPECT_EQ(patternsOf(dialog.nameFilters().at(i)),
                      c.shown[size_t(i)].second);
        }
        EXPECT_EQ(names.size(), list->count()) << "no name listed twice";
    }
}
