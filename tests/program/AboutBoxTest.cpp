// The About box: the program's version and the database's version, release and
// date, shown afresh each time from the record the main window loaded.
#include "AboutForm.h"
#include "DatabaseFolder.h"
#include "ProgramFixture.h"
#include "WindowWatch.h"

#include <QAction>
#include <QDate>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

namespace {

struct AboutTexts {
    QString title, version, dbVersion, dbRelease, dbDate, web, ok;
};

class AboutBoxTest : public ProgramFixture {
protected:
    // Opens the box from the Help menu, reads it and presses OK.
    AboutTexts OpenAbout()
    {
        AboutTexts shown;
        WindowWatch watch(clock, QStringLiteral("AboutForm"));
        watch.OnShown = [&](QWidget* window) {
            auto text = [window](const char* name) {
                return window->findChild<QLabel*>(QString::fromLatin1(name))->text();
            };
            shown = {window->windowTitle(), text("VersionLabel"), text("DBVersion"), text("DBRelease"),
                     text("DBDate"),         text("WWWAddress"),   window->findChild<QPushButton*>("OK")->text()};
            window->findChild<QPushButton*>("OK")->click();
        };
        form->findChild<QAction*>(QStringLiteral("Menu_About"))->trigger();
        EXPECT_TRUE(watch.Shown().Seen);
        EXPECT_TRUE(watch.Hidden().Seen);
        return shown;
    }
};

TEST_F(AboutBoxTest, TheBoxShowsTheVersionsAndTheSameValuesEachTime)
{
    ASSERT_TRUE(Load());
    const AboutTexts first = OpenAbout();
    EXPECT_EQ(first.title, "");
    EXPECT_EQ(first.version, "Version 3.4.5 August 2004");
    EXPECT_EQ(first.dbVersion, "Database Version: 3");
    EXPECT_EQ(first.dbRelease, "Database Release: 3.4");
    EXPECT_EQ(first.dbDate,
              QStringLiteral("DB Created On: ") + QLocale::system().toString(QDate(2004, 8, 16), QLocale::ShortFormat));
    EXPECT_TRUE(first.web.startsWith("Please check our web page \"")) << first.web.toStdString();
    EXPECT_TRUE(first.web.endsWith("\" for most current programmer information")) << first.web.toStdString();
    EXPECT_GT(first.web.size(), QString("Please check our web page \"\" for most current programmer information").size());
    EXPECT_EQ(first.ok, "&OK");
    // Unloaded after use.
    EXPECT_EQ(form->findChild<AboutForm*>(), nullptr);

    // After a Read has run its own queries the box reads the same loaded record.
    ASSERT_TRUE(ReadModem());
    const AboutTexts second = OpenAbout();
    EXPECT_EQ(second.version, first.version);
    EXPECT_EQ(second.dbVersion, first.dbVersion);
    EXPECT_EQ(second.dbRelease, first.dbRelease);
    EXPECT_EQ(second.dbDate, first.dbDate);
    EXPECT_TRUE(prompt.Boxes().isEmpty());
}

TEST_F(AboutBoxTest, AFieldWithoutAValueAddsNothing)
{
    DatabaseFolder folder;
    folder.Run({QStringLiteral("update Version set Release=NULL, \"Date\"=NULL")});
    seams.dataDir = folder.Path();
    ASSERT_TRUE(Load());
    const AboutTexts shown = OpenAbout();
    EXPECT_EQ(shown.dbVersion, "Database Version: 3");
    EXPECT_EQ(shown.dbRelease, "Database Release: ");
    EXPECT_EQ(shown.dbDate, "DB Created On: ");
    form.reset();
}

}  // namespace
