#include "QtPrinters.h"
#include "SaveName.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(SaveNameTest, TheNameIsCutAtItsFirstDotAndSavedAsMdb)
{
    const struct {
        const char* chosen;
        const char* folder;
        const char* name;
        const char* path;
        bool chosenFile;  // the dialog has asked about the file written
    } cases[] = {
        {"/d/cfg/site.mdb", "/d/cfg", "site", "/d/cfg/site.mdb", true},
        {"/d/cfg/site", "/d/cfg", "site", "/d/cfg/site.mdb", false},
        {"/d/cfg/site.a.mdb", "/d/cfg", "site", "/d/cfg/site.mdb", false},
        {"/d/cfg/cfg.dat", "/d/cfg", "cfg", "/d/cfg/cfg.mdb", false},
        {"/d/cfg/site.MDB", "/d/cfg", "site", "/d/cfg/site.mdb", false},
        {"/d/my.folder/site", "/d/my.folder", "site", "/d/my.folder/site.mdb", false},
        {"/site.mdb", "/", "site", "/site.mdb", true},
        {"/d/cfg/.mdb", "/d/cfg", "", "/d/cfg/.mdb", true},
        {"/d/cfg/.hidden.mdb", "/d/cfg", "", "/d/cfg/.mdb", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.chosen);
        const SaveName name{QString::fromLatin1(c.chosen)};
        EXPECT_EQ(name.Folder(), QString::fromLatin1(c.folder));
        EXPECT_EQ(name.Name(), QString::fromLatin1(c.name));
        EXPECT_EQ(name.Path(), QString::fromLatin1(c.path));
        EXPECT_EQ(name.Base() + QStringLiteral(".mdb"), name.Path());
        EXPECT_EQ(name.IsChosenFile(), c.chosenFile);
    }
}

TEST(SaveNameTest, ARecentEntryOfSaveOpensTheFileSaveWrote)
{
    QTemporaryDir dir;
    auto in = [&](const char* name) { return dir.filePath(QString::fromLatin1(name)); };
    auto file = [&](const char* name) {
        QFile f(in(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    };
    file("proj.mdb");
    ASSERT_TRUE(QDir().mkdir(in("proj")));
    file("site.mdb");
    file("site");
    file("notes");
    ASSERT_TRUE(QDir().mkdir(in("folder.mdb")));
    file("site.mdb.mdb");
    ASSERT_TRUE(QDir().mkdir(in("my.cfg")));
    file("my.cfg/north.mdb");

    const struct {
        const char* entry;
        const char* opened;
    } cases[] = {
        {"proj", "proj.mdb"},            // a folder of the entry's name
        {"site", "site.mdb"},            // a file of the entry's name
        {"notes", "notes"},              // no file of Save's
        {"missing", "missing"},          // nothing at all: the error names the entry
        {"folder", "folder"},            // a folder is no file Save wrote
        {"site.mdb", "site.mdb"},        // Save never lists a name with a dot
        {"my.cfg/north", "my.cfg/north.mdb"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entry);
        EXPECT_EQ(SaveName::ListedFile(in(c.entry)), in(c.opened));
    }
}
