#include "QtPrinters.h"
#include "SaveName.h"

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
