// A wizard database whose pages hold values no window can take (sizes that are not
// finite or too large, negative sizes, colours and font sizes beyond their types):
// the page is refused with the wizard's own fatal message, never drawn, and the
// program goes on. And reading Wizard.mdb in WAL mode leaves its folder alone.
#include "SqlFile.h"
#include "StartModule.h"
#include "WizardFixture.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QToolButton>

namespace {

class WizardHostileTest : public WizardFixture {
protected:
    // Page 4 with one label and one button, as a sound database has it.
    void SoundPage()
    {
        db.Page(4);
        db.AddItem({.PageId = 4, .ItemId = 1, .TypeOfItem = 2, .Title = QStringLiteral("Pick one")});
        db.Button(4, 2, 3, 0);
    }
};

TEST_F(WizardHostileTest, APageOrItemNoWindowCanTakeIsRefusedWithTheFatalMessage)
{
    const QString fatal =
        QStringLiteral("Fatal Error has occured in the application,please report Error W4 to Orvane Sypheral");
    const char* damages[] = {
        "UPDATE pages SET width='NaN'",
        "UPDATE pages SET height=1e30",
        "UPDATE pages SET width=1e999",
        "UPDATE pages SET height=-4500",
        "UPDATE pages SET width=0",
        "UPDATE pages SET width=5",
        "UPDATE pages SET width=40000",
        "UPDATE pages SET height=NULL",
        "UPDATE pages SET width='wide'",
        "UPDATE item SET Width=-1200 WHERE ItemID=1",
        "UPDATE item SET height=-300 WHERE ItemID=2",
        "UPDATE item SET Fontsize=1e30 WHERE ItemID=1",
        "UPDATE item SET Fontsize='inf' WHERE ItemID=2",
        "UPDATE item SET ForeColor=1e30 WHERE ItemID=1",
        "UPDATE item SET ForeColor=-1e999 WHERE ItemID=1",
        "UPDATE item SET DiagsOnly='nan' WHERE ItemID=1",
    };
    for (const char* damage : damages) {
        SCOPED_TRACE(damage);
        db.Run({"DELETE FROM pages", "DELETE FROM item"});
        SoundPage();
        db.Run({QString::fromLatin1(damage)});
        prompt.Clear();
        modem.DiagEnable = true;
        Open(4);
        QApplication::processEvents();
        EXPECT_TRUE(wizard.Failed());
        EXPECT_FALSE(wizard.isVisible());
        EXPECT_EQ(prompt.Texts(), QStringList{fatal});
        wizard.hide();
    }
    // The same window shows the sound page afterwards.
    db.Run({"DELETE FROM pages", "DELETE FROM item"});
    SoundPage();
    prompt.Clear();
    Open(4);
    EXPECT_FALSE(wizard.Failed());
    EXPECT_TRUE(prompt.Boxes().isEmpty()) << prompt.Texts().join(" | ").toStdString();
    EXPECT_EQ(wizard.LabelArray[0]->text(), "Pick one");
    EXPECT_TRUE(wizard.ButtonArray[0]->isVisible());
    wizard.hide();
}

TEST_F(WizardHostileTest, TheLargestAndSmallestUsablePagesAreShown)
{
    for (const char* size : {"width=15, height=15", "width=32767, height=32767"}) {
        SCOPED_TRACE(size);
        db.Run({"DELETE FROM pages", "DELETE FROM item"});
        SoundPage();
        db.Run({QStringLiteral("UPDATE pages SET ") + QLatin1String(size)});
        prompt.Clear();
        Open(4);
        EXPECT_FALSE(wizard.Failed());
        EXPECT_TRUE(prompt.Boxes().isEmpty()) << prompt.Texts().join(" | ").toStdString();
        EXPECT_TRUE(wizard.isVisible());
        wizard.hide();
    }
}

TEST_F(WizardHostileTest, ReadingTheWizardDatabaseInWalModeCreatesNothingBesideIt)
{
    SoundPage();
    ASSERT_EQ(SqlFile::Rows(db.Path(), QStringLiteral("pragma journal_mode=wal")), QList<QStringList>{{"wal"}});
    auto listing = [&] {
        return QDir(db.Folder()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    };
    const QStringList before = listing();
    ASSERT_EQ(before, QStringList{"Wizard.mdb"});
    Open(4);
    EXPECT_FALSE(wizard.Failed());
    EXPECT_EQ(wizard.LabelArray[0]->text(), "Pick one");
    EXPECT_EQ(listing(), before) << "while the wizard is open";
    wizard.hide();
}

}  // namespace
