// The Open and Save dialogs' filters as a desktop's file dialog lists them: each
// name whole and once, each with its own patterns.
#include "QtFileDialogs.h"

#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace {

// A desktop dialog names a filter by what comes before its first "(".
QString desktopName(const QString& filter) { return filter.left(filter.indexOf(QLatin1Char('('))).trimmed(); }

// Qt's own reading of a filter: a name, then the patterns in the last brackets.
QStringList patternsOf(const QString& filter)
{
    static const QRegularExpression form(QStringLiteral("^(.*)\\(([a-zA-Z0-9_.,*? +;#\\-\\[\\]@{}/!<>$%&=^~:|]*)\\)$"));
    const QRegularExpressionMatch match = form.match(filter);
    return match.hasMatch() ? match.captured(2).split(QLatin1Char(' '), Qt::SkipEmptyParts) : QStringList();
}

// The name as the user reads it: the look-alike brackets read as brackets.
QString readAs(QString name)
{
    name.replace(QChar(0x2768), QLatin1Char('('));
    name.replace(QChar(0x2769), QLatin1Char(')'));
    return name;
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
    for (const auto& c : cases) {
        SCOPED_TRACE(c.filter);
        const QStringList filters = QtFileDialogs::NameFilters(QString::fromLatin1(c.filter));
        ASSERT_EQ(filters.size(), qsizetype(c.shown.size()));
        QSet<QString> names;
        for (qsizetype i = 0; i < filters.size(); ++i) {
            SCOPED_TRACE(filters[i].toStdString());
            EXPECT_EQ(readAs(desktopName(filters[i])), QString::fromLatin1(c.shown[size_t(i)].first));
            EXPECT_EQ(patternsOf(filters[i]), c.shown[size_t(i)].second);
            names.insert(desktopName(filters[i]));
        }
        EXPECT_EQ(names.size(), filters.size()) << "no name listed twice";
    }
}
