// The Save command through the main window.
#include "AsNobody.h"
#include "ConfigurationFile.h"
#include "FormFixture.h"
#include "Members.h"
#include "NumericBox.h"
#include "ReadOnlyFolder.h"
#include "SqlFile.h"
#include "StartModule.h"
#include "VellModem.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

namespace {

class SaveCommandTest : public FormFixture {
protected:
    QString SerialIn(const QString& path) const
    {
        const QList<QStringList> rows = SqlFile::Rows(path, QStringLiteral("select SerialNo from ModemSetting"));
        return rows.size() == 1 ? rows[0][0] : QStringLiteral("(%1 rows)").arg(rows.size());
    }
};

}  // namespace

TEST_F(SaveCommandTest, NothingHappensUntilTheControlWorks)
{
    form->Menu_Save_Click();
    EXPECT_TRUE(files.Shown.isEmpty());
    EXPECT_TRUE(prompt.Boxes().isEmpty());
    EXPECT_TRUE(Files().isEmpty());
}

TEST_F(SaveCommandTest, TheChosenNameIsSavedAsMdbAndListedWithoutExtension)
{
    ReadModem();
    const struct {
        const char* chosen;
        const char* written;
    } cases[] = {{"site.mdb", "site.mdb"}, {"site", "site.mdb"}, {"site.a.mdb", "site.mdb"}, {"cfg.dat", "cfg.mdb"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.chosen);
        for (const QString& name : Files()) QFile::remove(PathIn(name));
        SaveAs(PathIn(QString::fromLatin1(c.chosen)));
        EXPECT_EQ(Files(), QStringList{QString::fromLatin1(c.written)});
        const QString base = PathIn(QString::fromLatin1(c.written).section('.', 0, 0));
        EXPECT_EQ(form->RecentFile(1), base);
        EXPECT_EQ(form->Menu_FileName[1]->text(), QStringLiteral("&1. ") + QFileInfo(base).fileName());
        EXPECT_EQ(form->GetInitDir(), dir.path());
        EXPECT_EQ(SerialIn(base + QStringLiteral(".mdb")), form->CurrentModem.SerialNo);
        EXPECT_TRUE(prompt.Boxes().isEmpty()) << prompt.Texts().join('|').toStdString();
    }
    EXPECT_EQ(form->RecentFile(2), PathIn(QStringLiteral("site"))) << "one entry for the three names of site.mdb";
    EXPECT_EQ(form->RecentFile(3), QStringLiteral("1"));

    // The dialog: the folder and the name of the last save, the one filter.
    ASSERT_EQ(files.Shown.size(), 4);
    EXPECT_TRUE(files.Shown[0].Save);
    EXPECT_EQ(files.Shown[0].Asked.InitialFolder, QDir::homePath()) << "no folder chosen before";
    EXPECT_EQ(files.Shown[0].Asked.FileName, QString());
    EXPECT_EQ(files.Shown[0].Asked.Filter, QStringLiteral("Microsoft Access(*.mdb)|*.mdb"));
    EXPECT_EQ(files.Shown[1].Asked.InitialFolder, dir.path());
    EXPECT_EQ(files.Shown[1].Asked.FileName, PathIn(QStringLiteral("site")));
}

TEST_F(SaveCommandTest, SavingTwiceUnderOneNameKeepsOneRecord)
{
    ReadModem();
    SaveAs(PathIn(QStringLiteral("site.mdb")));
    form->CurrentModem.SerialNo = QStringLiteral("654321");
    SaveAs(PathIn(QStringLiteral("site.mdb")));
    EXPECT_EQ(SerialIn(PathIn(QStringLiteral("site.mdb"))), QStringLiteral("654321"));
    EXPECT_EQ(Files(), QStringList{QStringLiteral("site.mdb")});
    EXPECT_EQ(RecentFiles(), (QStringList{PathIn(QStringLiteral("site")), "1", "1", "1"}));
}

TEST_F(SaveCommandTest, AFileTheDialogDidNotAskAboutIsReplacedOnlyWhenTheUserSaysSo)
{
    ReadModem();
    const QString site = PathIn(QStringLiteral("site.mdb"));
    form->CurrentModem.SerialNo = QStringLiteral("654321");
    const QString question = site + QStringLiteral(" already exists.\nDo you want to replace it?");

    const struct {
        const char* chosen;
        std::optional<MsgResult> answer;  // none: no question
        bool replaced;
    } cases[] = {
        {"site", MsgResult::No, false},
        {"site.a.mdb", MsgResult::No, false},
        {"site.mdb", std::nullopt, true},  // the dialog asked
        {"site", MsgResult::Yes, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.chosen);
        ConfigurationFile::Write(form->CurrentModem, site);  // a file to replace
        SqlFile::Run(site, {QStringLiteral("update ModemSetting set SerialNo='000000'")});
        prompt.Clear();
        if (c.answer) prompt.Answer(*c.answer);
        SaveAs(PathIn(QString::fromLatin1(c.chosen)));
        if (c.answer) {
            ASSERT_EQ(prompt.Boxes().size(), 1);
            EXPECT_EQ(prompt.Boxes()[0].Text, question);
            EXPECT_EQ(prompt.Boxes()[0].Buttons, MsgButtons::YesNo);
        } else {
            EXPECT_TRUE(prompt.Boxes().isEmpty());
        }
        EXPECT_EQ(SerialIn(site), c.replaced ? QStringLiteral("654321") : QStringLiteral("000000"));
        EXPECT_EQ(Files(), QStringList{QStringLiteral("site.mdb")});
    }
}

TEST_F(SaveCommandTest, ANameWithNothingBeforeItsFirstDotIsRefused)
{
    ReadModem();
    for (const char* chosen : {".mdb", ".site.mdb"}) {
        SCOPED_TRACE(chosen);
        prompt.Clear();
        SaveAs(PathIn(QString::fromLatin1(chosen)));
        ASSERT_EQ(prompt.Boxes().size(), 1);
        EXPECT_EQ(prompt.Boxes()[0].Text, QStringLiteral("\"%1\" cannot be saved: a configuration file needs a name "
                                                         "before the first \".\" of its file name.")
                                              .arg(QString::fromLatin1(chosen)));
        EXPECT_EQ(prompt.Boxes()[0].Title, StartModule::ApplicationTitle);
        EXPECT_TRUE(Files().isEmpty());
        EXPECT_EQ(RecentFiles(), (QStringList{"1", "1", "1", "1"}));
    }
}

TEST_F(SaveCommandTest, ACancelledDialogRevalidatesTheBoxesAndChangesNothingElse)
{
    ReadModem();
    const QString initDir = form->GetInitDir();
    form->StopWrite = true;
    form->TransFreq->setText(QStringLiteral("1.5"));  // refused on its commit
    form->Menu_Save_Click();
    ASSERT_EQ(files.Shown.size(), 1);
    EXPECT_TRUE(form->StopWrite) << "the refused frequency was committed before the dialog";
    EXPECT_EQ(prompt.Boxes().size(), 1) << "only the refusal of the frequency";

    prompt.Clear();
    form->Menu_Save_Click();
    EXPECT_FALSE(form->StopWrite) << "a valid screen clears the refusal";
    EXPECT_TRUE(prompt.Boxes().isEmpty());
    EXPECT_EQ(form->GetInitDir(), initDir);
    EXPECT_EQ(RecentFiles(), (QStringList{"1", "1", "1", "1"}));
    EXPECT_TRUE(Files().isEmpty());
}

TEST_F(SaveCommandTest, AFailedSaveShowsItsErrorAndKeepsThePreviousFile)
{
    ReadModem();
    const QString folder = PathIn(QStringLiteral("cfg"));
    ASSERT_TRUE(QDir().mkdir(folder));
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther |
                                          QFile::ExeOther);
    const QString site = folder + QStringLiteral("/site.mdb");
    SaveAs(site);
    const QByteArray before = Contents(site);
    const QStringList recent = RecentFiles();
    const ModemSetting saved = form->CurrentModem;

    // The user of the test ("nobody" when the tests run as root) may write in the folder.
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(QFile::encodeName(folder).constData(), AsNobody::User, AsNobody::Group), 0);
    }
    enum class Rights { All, NoFolder, NoFile };
    const struct {
        const char* name;
        std::function<void(ModemSetting&)> change;
        Rights rights;
        QString description;  // a part of it
    } cases[] = {
        {"folder without write permission", [](ModemSetting& m) { m.SerialNo = "999999"; }, Rights::NoFolder,
         QStringLiteral("Cannot create the file '%1'.").arg(site)},
        {"file without write permission", [](ModemSetting& m) { m.SerialNo = "999999"; }, Rights::NoFile,
         QStringLiteral("Could not save the file '%1': Permission denied.").arg(site)},
        {"NoOfSlot 40000", [](ModemSetting& m) { m.NoOfSlot = 40000; }, Rights::All,
         "Numeric field overflow: the field 'NoOfSlot' holds -32768 to 32767, not 40000."},
        {"DiagSID1 -40000", [](ModemSetting& m) { m.DiagSID1 = -40000; }, Rights::All, "the field 'DiagSID1'"},
        {"DiagSID2 32768", [](ModemSetting& m) { m.DiagSID2 = 32768; }, Rights::All, "the field 'DiagSID2'"},
        {"TimePerSlot 70000", [](ModemSetting& m) { m.TimePerSlot = 70000; }, Rights::All, "the field 'TimePerSlot'"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        prompt.Clear();
        form->CurrentModem = saved;
        c.change(form->CurrentModem);
        if (c.rights == Rights::NoFolder) {
            ReadOnlyFolder readOnly(folder);
            ASSERT_TRUE(readOnly.Active());
            SaveAs(site);
        } else if (c.rights == Rights::NoFile) {
            const QFile::Permissions writable = QFile::permissions(site);
            ASSERT_TRUE(QFile::setPermissions(site, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
            {
                AsNobody nobody;
                SaveAs(site);
            }
            QFile::setPermissions(site, writable);
        } else {
            SaveAs(site);
        }
        // The control's own refusals of such values come first, as the boxes commit them.
        ASSERT_FALSE(prompt.Boxes().isEmpty());
        const ScriptedPrompt::Box& error = prompt.Boxes().last();
        EXPECT_EQ(error.Title, QStringLiteral("Error Occured"));
        EXPECT_EQ(error.Icon, MsgIcon::Critical);
        EXPECT_EQ(error.Buttons, MsgButtons::OK);
        EXPECT_TRUE(error.Text.contains(c.description)) << error.Text.toStdString();
        EXPECT_TRUE(error.Text.contains(QStringLiteral("'%1'").arg(site))) << "the file chosen, not a hidden one";
        EXPECT_EQ(Contents(site), before);
        EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("site.mdb")});
        EXPECT_EQ(RecentFiles(), recent);
        EXPECT_TRUE(form->VellModem1->Working()) << "a failed save leaves the control working";
        EXPECT_TRUE(ToolEnabled("TSave"));
    }
}

TEST_F(SaveCommandTest, ALinkAtTheNameSavedToIsAskedAboutAndReplacedLikeAFile)
{
    ReadModem();
    const QString site = PathIn(QStringLiteral("site.mdb"));
    const QString elsewhere = PathIn(QStringLiteral("elsewhere"));
    ASSERT_TRUE(QDir().mkdir(elsewhere));
    const QString question = site + QStringLiteral(" already exists.\nDo you want to replace it?");
    for (const bool dangling : {false, true}) {
        SCOPED_TRACE(dangling ? "a link that names nothing" : "a link to a file");
        const QString target = elsewhere + QStringLiteral("/notes.txt");
        QFile::remove(site);
        QFile::remove(target);
        if (!dangling) {
            QFile notes(target);
            ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
            notes.write("keep\n");
        }
        ASSERT_TRUE(QFile::link(target, site));
        for (const MsgResult answer : {MsgResult::No, MsgResult::Yes}) {
            prompt.Clear();
            prompt.Answer(answer);
            SaveAs(PathIn(QStringLiteral("site")));
            ASSERT_EQ(prompt.Boxes().size(), 1);
            EXPECT_EQ(prompt.Boxes()[0].Text, question);
            EXPECT_EQ(QFileInfo(site).isSymLink(), answer == MsgResult::No);
        }
        EXPECT_EQ(SerialIn(site), form->CurrentModem.SerialNo);
        EXPECT_EQ(Contents(target), dangling ? QByteArray() : QByteArray("keep\n"));
        EXPECT_EQ(QFileInfo::exists(target), !dangling);
    }
}

TEST_F(SaveCommandTest, TheLongestNameAFolderTakesIsSavedAndOpened)
{
    ReadModem();
    const QString path = PathIn(QString(251, u'n') + QStringLiteral(".mdb"));
    SaveAs(path);
    EXPECT_TRUE(prompt.Boxes().isEmpty()) << prompt.Texts().join('|').toStdString();
    EXPECT_EQ(Files(), QStringList{QFileInfo(path).fileName()});
    files.Answer(path);
    form->Menu_Open_Click();
    EXPECT_TRUE(prompt.Boxes().isEmpty()) << prompt.Texts().join('|').toStdString();
    EXPECT_TRUE(form->FromFile);
    EXPECT_EQ(SerialIn(path), form->CurrentModem.SerialNo);
}
