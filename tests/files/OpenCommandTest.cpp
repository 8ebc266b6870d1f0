// Opening configuration files and the recent-file entries through the main window.
#include "ConfigurationFile.h"
#include "FormFixture.h"
#include "Members.h"
#include "NumericBox.h"
#include "RuntimeError.h"
#include "SqlFile.h"
#include "StartModule.h"
#include "VellModem.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QRadioButton>

namespace {

class OpenCommandTest : public FormFixture {
protected:
    // A file of the simulated modem's configuration, saved by the window, which
    // then starts afresh.
    QString SavedFile(const QString& name)
    {
        ReadModem();
        saved = form->CurrentModem;
        SaveAs(PathIn(name));
        Reload();
        port.ClearSent();
        opensBefore = port.Opens();
        return PathIn(name);
    }

    bool ScreenEnabled() const { return ToolEnabled("TSave") && form->TransFreq->isEnabled(); }
    bool ScreenDisabled() const
    {
        return !ToolEnabled("TSave") && !ToolEnabled("TPrint") && !form->TransFreq->isEnabled() &&
               !form->ACharCustom->isEnabled();
    }

    ModemSetting saved;
    int opensBefore = 0;
};

}  // namespace

TEST_F(OpenCommandTest, ASavedFileOpensWithoutTalkingToTheModem)
{
    const QString path = SavedFile(QStringLiteral("site.mdb"));
    Open(path);

    EXPECT_TRUE(prompt.Boxes().isEmpty()) << prompt.Texts().join('|').toStdString();
    EXPECT_EQ(port.Opens(), opensBefore) << "the port was opened";
    EXPECT_TRUE(port.Sent().isEmpty());
    EXPECT_TRUE(form->VellModem1->Working());
    EXPECT_TRUE(form->FromFile);
    EXPECT_TRUE(ScreenEnabled());
    EXPECT_EQ(form->TransFreq->text(), QStringLiteral("929.01250"));
    EXPECT_EQ(form->GetInitDir(), dir.path());
    EXPECT_EQ(RecentFiles(), (QStringList{path, "1", "1", "1"})) << "Open lists the path with its extension";

    ModemSetting expected = saved;
    expected.TXRadio.TrimAdjustable = false;
    expected.WriteTxPwr = expected.TXRadio.WriteTxPwr = expected.RXRadio.WriteTxPwr = false;
    expected.TXRadio.MinTXPower = form->RadSpec.MinTXPower;
    expected.TXRadio.MaxTXPower = form->RadSpec.MaxTXPower;
    // A fresh window's values stand where the file holds nothing.
    for (const char* notStored : {"StreamCod", "TXRadio.RXFreq", "TXRadio.RXFreqTrim", "TXRadio.RXTrimGain",
                                  "TXRadio.RXMinSig", "RXRadio.TXFreq", "RXRadio.TXFreqTrim", "RXRadio.TXTrimGain",
                                  "RXRadio.txpower", "RXRadio.PowerHL", "RXRadio.TXDelay", "RXRadio.PowerAlarm",
                                  "RXRadio.MinTXPower", "RXRadio.MaxTXPower", "RXRadio.TrimAdjustable",
                                  "RXRadio.RXMinSig"})
        Members::Set(expected, notStored, Members::Get(ModemSetting{}, notStored));
    EXPECT_EQ(Members::Differences(expected, form->CurrentModem), QStringList());

    // The dialog: the four filters, the first chosen.
    ASSERT_FALSE(files.Shown.isEmpty());
    EXPECT_FALSE(files.Shown.last().Save);
    EXPECT_EQ(files.Shown.last().Asked.InitialFolder, QDir::homePath()) << "a fresh window without settings";
    EXPECT_EQ(files.Shown.last().Asked.Filter,
              QStringLiteral("Microsoft Access(*.mdb) & Dat Files(*.dat)|*.mdb;*.dat|Microsoft Access(*.mdb)|*.mdb|"
                             "Dat Files(*.dat)|*.dat|All File|*.*"));
}

TEST_F(OpenCommandTest, ACancelledDialogChangesNothing)
{
    const QString path = SavedFile(QStringLiteral("site.mdb"));
    Open(path);
    const QString initDir = form->GetInitDir();
    const QStringList recent = RecentFiles();
    const QMap<QString, QString> before = Members::Of(form->CurrentModem);
    prompt.Clear();
    const qsizetype shown = files.Shown.size();

    files.Answer(QString());
    form->Menu_Open_Click();
    EXPECT_EQ(files.Shown.size(), shown + 1);
    EXPECT_TRUE(prompt.Boxes().isEmpty());
    EXPECT_EQ(form->GetInitDir(), initDir);
    EXPECT_EQ(RecentFiles(), recent);
    EXPECT_EQ(Members::Of(form->CurrentModem), before);
    EXPECT_TRUE(ScreenEnabled());
}

TEST_F(OpenCommandTest, AnotherFormatVersionIsRefusedAndChangesNothing)
{
    const QString path = SavedFile(QStringLiteral("site.mdb"));
    ReadModem();
    form->CurrentModem.SerialNo = QStringLiteral("777777");
    const QMap<QString, QString> before = Members::Of(form->CurrentModem);
    for (const char* version : {"2", "4", "NULL"}) {
        SCOPED_TRACE(version);
        ASSERT_TRUE(SqlFile::Run(path, {QStringLiteral("update ModemSetting set ProgrammerVersion=%1, SerialNo='1'")
                                            .arg(QString::fromLatin1(version))}));
        form->VellModem1->setWorking(true);
        form->SetDisplay();
        prompt.Clear();
        Open(path);
        ASSERT_EQ(prompt.Boxes().size(), 1);
        EXPECT_EQ(prompt.Boxes()[0].Text, QStringLiteral("The Configuration File selected has been created by a "
                                                         "newer version of Halvex Programmer.  Contact Orvane "
                                                         "Sypheral"));
        EXPECT_EQ(prompt.Boxes()[0].Title, StartModule::ApplicationTitle);
        EXPECT_EQ(prompt.Boxes()[0].Buttons, MsgButtons::OK);
        EXPECT_FALSE(form->VellModem1->Working());
        EXPECT_TRUE(ScreenDisabled());
        EXPECT_EQ(Members::Of(form->CurrentModem), before);
        EXPECT_EQ(form->RecentFile(1), path);
    }
}

TEST_F(OpenCommandTest, AFileThatCannotBeReadEndsWithTheScreenOff)
{
    const QString missing = PathIn(QStringLiteral("missing.mdb"));
    const QString text = PathIn(QStringLiteral("notes.dat"));
    QFile notes(text);
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write("PortASpeed=4\n");
    notes.close();
    const QString empty = PathIn(QStringLiteral("empty.mdb"));
    ASSERT_TRUE(SqlFile::Run(empty, {QStringLiteral("pragma user_version=1")}));
    const QString noRow = SavedFile(QStringLiteral("norow.mdb"));
    ASSERT_TRUE(SqlFile::Run(noRow, {QStringLiteral("delete from ModemSetting")}));

    const struct {
        QString path;
        QString description;
    } cases[] = {
        {missing, QStringLiteral("Could not find file '%1'.").arg(missing)},
        {text, QStringLiteral("'%1' is not a configuration file that this program can read.").arg(text)},
        {empty, QStringLiteral("The database engine cannot find the input table or query 'ModemSetting'. Make "
                               "sure it exists and that its name is spelled correctly.")},
        {noRow, QStringLiteral("No current record.")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        ReadModem();
        Open(c.path);
        ASSERT_EQ(prompt.Boxes().size(), 1);
        EXPECT_EQ(prompt.Boxes()[0].Text, c.description);
        EXPECT_EQ(prompt.Boxes()[0].Title, QStringLiteral("Error Occured"));
        EXPECT_EQ(prompt.Boxes()[0].Icon, MsgIcon::Critical);
        EXPECT_FALSE(form->VellModem1->Working());
        EXPECT_TRUE(ScreenDisabled()) << "no editor stays open to unchecked edits";
        EXPECT_EQ(form->RecentFile(1), c.path);
        form->Form_GotFocus();
        EXPECT_TRUE(ScreenDisabled()) << "the window's focus does not bring it back";
    }
}

TEST_F(OpenCommandTest, AConfigurationTheModemRefusesIsLoadedButNotOffered)
{
    const QString path = SavedFile(QStringLiteral("site.mdb"));
    ASSERT_TRUE(SqlFile::Run(path, {QStringLiteral("update ModemSetting set TXFreq=100.5")}));
    Open(path);
    // The control names the refused value itself, then the window says why it stays off.
    ASSERT_EQ(prompt.Boxes().size(), 2) << prompt.Texts().join('|').toStdString();
    EXPECT_EQ(prompt.Boxes()[0].Text, QStringLiteral("The transmit freq of modem is limited to between 924 and 934"));
    EXPECT_EQ(prompt.Boxes()[1].Text, QStringLiteral("Error reading information from Modem, the configuration read "
                                                     "is incorrect, press Ok to continue."));
    EXPECT_EQ(prompt.Boxes()[1].Title, StartModule::ApplicationTitle);
    EXPECT_DOUBLE_EQ(form->CurrentModem.TXRadio.TXFreq, 100.5);
    EXPECT_TRUE(form->FromFile);
    EXPECT_TRUE(ScreenDisabled());
    form->Form_GotFocus();
    EXPECT_TRUE(ScreenDisabled());
}

TEST_F(OpenCommandTest, AValueThatNoSettingStandsForIsRefusedLikeABrokenRule)
{
    const QString path = SavedFile(QStringLiteral("site.mdb"));
    const QString pristine = PathIn(QStringLiteral("pristine.mdb"));
    ASSERT_TRUE(QFile::copy(path, pristine));
    const QString refused = QStringLiteral("Error reading information from Modem, the configuration read is "
                                           "incorrect, press Ok to continue.");
    const struct {
        const char* change;
        const char* member;
    } cases[] = {
        {"TXFreq='nan'", "TXRadio.TXFreq"},
        {"TXFreq='inf'", "TXRadio.TXFreq"},
        {"TXFreq=9e999", "TXRadio.TXFreq"},
        {"RXFreq=-9e999", "RXRadio.RXFreq"},
        {"PortASpeed=99", "PortA.CommSpeed"},
        {"PortBSpeed=0", "PortB.CommSpeed"},
        {"PortAParity=7", "PortA.Parity"},
        {"PortBDataBit=6", "PortB.DataBit"},
        {"PortAStopBit=3", "PortA.StopBit"},
        {"PortBHand=4", "PortB.HandShake"},
        {"PortASIDType=9", "PortA.SIDType"},
        {"PTTControl=1", "PTTControl"},
        {"CAvoid=11", "CAvoid"},
        {"TXType=256", "TXRadio.RadioType"},
        {"SerialNo='2106011'", "SerialNo"},
        {"TXSerial=hex(zeroblob(500000))", "TXRadio.SerialNo"},
        {"RXFirmware='1.10'", "RXRadio.Firmware"},
        // One character longer than any reply of a modem holds.
        {"firmware=hex(zeroblob(509))", "Firmware"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.change);
        QFile::remove(path);
        ASSERT_TRUE(QFile::copy(pristine, path));
        ASSERT_TRUE(SqlFile::Run(path, {QStringLiteral("update ModemSetting set %1").arg(c.change)}));
        ReadModem();
        prompt.Clear();
        Open(path);
        EXPECT_EQ(prompt.Texts(), QStringList{refused}) << "no rule is asked about the value";
        EXPECT_TRUE(ScreenDisabled());
        EXPECT_TRUE(form->FromFile);
        EXPECT_EQ(form->RecentFile(1), path);
        EXPECT_NE(Members::Get(form->CurrentModem, c.member), Members::Get(saved, c.member)) << "loaded";
        form->Form_GotFocus();
        EXPECT_TRUE(ScreenDisabled());
    }

    // The file as the modem gave it opens.
    QFile::remove(path);
    ASSERT_TRUE(QFile::copy(pristine, path));
    prompt.Clear();
    Open(path);
    EXPECT_TRUE(prompt.Boxes().isEmpty()) << prompt.Texts().join('|').toStdString();
    EXPECT_TRUE(ScreenEnabled());
}

TEST_F(OpenCommandTest, TheRecentListFollowsSavesAndOpens)
{
    ReadModem();
    auto mdb = [&](const char* name) { return PathIn(QString::fromLatin1(name) + QStringLiteral(".mdb")); };
    auto base = [&](const char* name) { return PathIn(QString::fromLatin1(name)); };
    for (const char* name : {"b", "B", "d", "e"}) ConfigurationFile::Write(form->CurrentModem, mdb(name));

    const struct {
        const char* step;
        std::function<void()> action;
        QStringList recent;
    } steps[] = {
        {"save a", [&] { SaveAs(mdb("a")); }, {base("a"), "1", "1", "1"}},
        {"open b.mdb", [&] { Open(mdb("b")); }, {mdb("b"), base("a"), "1", "1"}},
        {"save c", [&] { SaveAs(base("c")); }, {base("c"), mdb("b"), base("a"), "1"}},
        {"open a.mdb: not the entry a", [&] { Open(mdb("a")); }, {mdb("a"), base("c"), mdb("b"), base("a")}},
        {"open B.mdb: case counts", [&] { Open(mdb("B")); }, {mdb("B"), mdb("a"), base("c"), mdb("b")}},
        {"open b.mdb again", [&] { Open(mdb("b")); }, {mdb("b"), mdb("B"), mdb("a"), base("c")}},
        {"entry 4, saved without extension", [&] { form->Menu_FileName4_Click(); },
         {base("c"), mdb("b"), mdb("B"), mdb("a")}},
        {"open d.mdb: the oldest goes", [&] { Open(mdb("d")); }, {mdb("d"), base("c"), mdb("b"), mdb("B")}},
        {"entry 3", [&] { form->Menu_FileName3_Click(); }, {mdb("b"), mdb("d"), base("c"), mdb("B")}},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.step);
        prompt.Clear();
        s.action();
        EXPECT_TRUE(prompt.Boxes().isEmpty()) << prompt.Texts().join('|').toStdString();
        EXPECT_EQ(RecentFiles(), s.recent);
        EXPECT_TRUE(form->VellModem1->Working());
        for (int i = 1; i <= 4; ++i) {
            if (s.recent[i - 1] == QLatin1String("1")) continue;
            EXPECT_EQ(form->Menu_FileName[i]->text(),
                      QStringLiteral("&%1. ").arg(i) + QFileInfo(s.recent[i - 1]).fileName());
        }
    }

    // A recent entry leaves the dialogs' folder alone; one whose file is gone fails and still moves up.
    const QString elsewhere = QDir(dir.path()).filePath(QStringLiteral("sub"));
    ASSERT_TRUE(QDir().mkdir(elsewhere));
    ConfigurationFile::Write(form->CurrentModem, elsewhere + QStringLiteral("/x.mdb"));
    Open(elsewhere + QStringLiteral("/x.mdb"));
    ASSERT_TRUE(QFile::remove(mdb("b")));
    prompt.Clear();
    form->Menu_FileName2_Click();
    EXPECT_EQ(form->GetInitDir(), elsewhere);
    ASSERT_EQ(prompt.Boxes().size(), 1);
    EXPECT_EQ(prompt.Boxes()[0].Title, QStringLiteral("Error Occured"));
    EXPECT_FALSE(form->VellModem1->Working());
    EXPECT_EQ(form->RecentFile(1), mdb("b"));
}

TEST_F(OpenCommandTest, AfterASaveTheOpenDialogProposesTheFileSaveWrote)
{
    ReadModem();
    const struct {
        const char* name;
        QString chosen;
        // What the dialogs propose next: Save the path without extension, Open a file that exists.
        QString proposedToSave;
        QString proposedToOpen;
    } cases[] = {
        {"saved without extension", PathIn(QStringLiteral("saved")), PathIn(QStringLiteral("saved")),
         PathIn(QStringLiteral("saved.mdb"))},
        {"saved as .mdb", PathIn(QStringLiteral("site.mdb")), PathIn(QStringLiteral("site")),
         PathIn(QStringLiteral("site.mdb"))},
        {"saved under a name cut at its dot", PathIn(QStringLiteral("north.v2.mdb")), PathIn(QStringLiteral("north")),
         PathIn(QStringLiteral("north.mdb"))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SaveAs(c.chosen);
        ASSERT_TRUE(prompt.Boxes().isEmpty()) << prompt.Texts().join('|').toStdString();
        files.Answer(QString());
        form->Menu_Save_Click();
        ASSERT_TRUE(files.Shown.last().Save);
        EXPECT_EQ(files.Shown.last().Asked.FileName, c.proposedToSave);
        files.Answer(QString());
        form->Menu_Open_Click();
        ASSERT_FALSE(files.Shown.last().Save);
        EXPECT_EQ(files.Shown.last().Asked.FileName, c.proposedToOpen);
        EXPECT_TRUE(QFileInfo(files.Shown.last().Asked.FileName).isFile());
    }
}

TEST_F(OpenCommandTest, AnEntryOfSaveOpensTheFileSaveWroteWhateverElseBearsItsName)
{
    ReadModem();
    SaveAs(PathIn(QStringLiteral("proj.mdb")));
    SaveAs(PathIn(QStringLiteral("site.mdb")));
    const ModemSetting saved = form->CurrentModem;
    ASSERT_TRUE(QDir().mkdir(PathIn(QStringLiteral("proj"))));
    QFile other(PathIn(QStringLiteral("site")));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write("not a configuration");
    other.close();
    ASSERT_EQ(RecentFiles(), (QStringList{PathIn(QStringLiteral("site")), PathIn(QStringLiteral("proj")), "1", "1"}));

    for (const char* step : {"proj beside a folder proj", "site beside a file site"}) {
        SCOPED_TRACE(step);
        form->CurrentModem.SerialNo = QStringLiteral("000000");
        form->VellModem1->setWorking(false);
        prompt.Clear();
        form->Menu_FileName2_Click();
        EXPECT_TRUE(prompt.Boxes().isEmpty()) << prompt.Texts().join('|').toStdString();
        EXPECT_TRUE(form->VellModem1->Working());
        EXPECT_TRUE(ScreenEnabled());
        EXPECT_EQ(form->CurrentModem.SerialNo, saved.SerialNo);
    }
    EXPECT_EQ(RecentFiles(), (QStringList{PathIn(QStringLiteral("site")), PathIn(QStringLiteral("proj")), "1", "1"}));

    // The Open dialog opens the file chosen, even one without extension.
    Open(PathIn(QStringLiteral("site")));
    ASSERT_EQ(prompt.Boxes().size(), 1);
    EXPECT_EQ(prompt.Boxes()[0].Text, QStringLiteral("'%1' is not a configuration file that this program can read.")
                                          .arg(PathIn(QStringLiteral("site"))));
}

TEST_F(OpenCommandTest, NothingOpensOrPrintsWhileTheModemIsBeingRead)
{
    const QString path = SavedFile(QStringLiteral("site.mdb"));
    Open(path);
    const qsizetype dialogs = files.Shown.size();
    bool ran = false;
    clock.OnEvents = [&] {
        ran = true;
        ASSERT_TRUE(form->Busy());
        files.Answer(path);
        form->Menu_Open_Click();
        form->Menu_FileName1_Click();
        form->Menu_Save_Click();
        form->Menu_Print_Click();
    };
    form->Menu_Read_Click();
    ASSERT_TRUE(ran) << "the read let no events through";
    EXPECT_EQ(files.Shown.size(), dialogs);
    EXPECT_EQ(printer.Shown, 0);
    EXPECT_FALSE(form->FromFile) << "the read's configuration, not the file's";
    EXPECT_EQ(RecentFiles(), (QStringList{path, "1", "1", "1"}));
}

TEST_F(OpenCommandTest, ADefaultsFileKeepsTheModemAndSetsTheSettings)
{
    const QString path = SavedFile(QStringLiteral("defaults.mdb"));
    ASSERT_TRUE(SqlFile::Run(path, {QStringLiteral("update ModemSetting set PTTTimeout=45, PortACharTimer=20, "
                                                   "ModemType=10, TXFreq=1.0, SerialNo='000001'")}));
    ReadModem();
    const ModemSetting before = form->CurrentModem;
    form->ReadFromDefFile(path);
    EXPECT_TRUE(prompt.Boxes().isEmpty()) << prompt.Texts().join('|').toStdString();
    EXPECT_EQ(form->CurrentModem.PTTTimeout, 45);
    EXPECT_EQ(form->CurrentModem.PortA.CharTimer, 20);
    EXPECT_EQ(form->CurrentModem.ModemType, before.ModemType);
    EXPECT_EQ(form->CurrentModem.SerialNo, before.SerialNo);
    EXPECT_DOUBLE_EQ(form->CurrentModem.TXRadio.TXFreq, (924.0 + 934.0) / 2) << "the band's centre";
    EXPECT_TRUE(form->FromFile);
    EXPECT_TRUE(ScreenEnabled());
    EXPECT_EQ(form->PTTTime->text(), QStringLiteral("45"));

    // A setting the modem has no code for is refused as on opening.
    ASSERT_TRUE(SqlFile::Run(path, {QStringLiteral("update ModemSetting set PortBParity=5")}));
    form->ReadFromDefFile(path);
    EXPECT_EQ(prompt.Texts(), QStringList{QStringLiteral("Error reading information from Modem, the configuration "
                                                         "read is incorrect, press Ok to continue.")});
    EXPECT_TRUE(ScreenDisabled());

    // Its errors go to the caller.
    EXPECT_THROW(form->ReadFromDefFile(PathIn(QStringLiteral("missing.mdb"))), RuntimeError);
}

TEST_F(OpenCommandTest, TheSampleConfigurationSetsItsMembersAndNothingElse)
{
    ReadModem();
    const ModemSetting before = form->CurrentModem;
    const QString shownFrequency = form->TransFreq->text();
    ModemSetting expected = before;
    const struct {
        const char* member;
        const char* value;
    } sample[] = {
        {"PortA.CommSpeed", "3"}, {"PortA.DataBit", "7"},   {"PortA.Parity", "2"},      {"PortA.StopBit", "2"},
        {"PortA.Packet", "1"},    {"PortA.HandShake", "2"}, {"PortB.CommSpeed", "4"},   {"PortB.DataBit", "8"},
        {"PortB.Parity", "0"},    {"PortB.StopBit", "1"},   {"PortB.Packet", "2"},      {"PortB.HandShake", "0"},
        {"TXRadio.TXFreq", "899"}, {"TXRadio.txpower", "0"}, {"PTTTimeout", "10"},      {"TXRadio.TXDelay", "50"},
        {"TXRadio.PowerAlarm", "100"}, {"TXRadio.PowerHL", "False"},
    };
    for (const auto& s : sample) ASSERT_TRUE(Members::Set(expected, s.member, s.value)) << s.member;
    form->FalseRead();
    EXPECT_EQ(Members::Differences(expected, form->CurrentModem), QStringList());
    EXPECT_EQ(form->TransFreq->text(), shownFrequency) << "no display";
    EXPECT_TRUE(prompt.Boxes().isEmpty());
}

TEST_F(OpenCommandTest, AModemWithALongVersionTextIsSavedAndOpensAgainAndTakesDefaults)
{
    // Its leading number is one the control accepts.
    const QString version = QStringLiteral("3.1.0 release build 2026-03 for licensed-band data modems, A + B.");
    ASSERT_EQ(version.size(), 65);
    modem.Profile().Firmware = version.toStdString();
    const QString path = SavedFile(QStringLiteral("long.mdb"));
    ASSERT_EQ(saved.Firmware, version);
    ASSERT_TRUE(prompt.Boxes().isEmpty()) << prompt.Texts().join('|').toStdString();

    Open(path);
    EXPECT_TRUE(prompt.Boxes().isEmpty()) << prompt.Texts().join('|').toStdString();
    EXPECT_EQ(form->CurrentModem.Firmware, version);
    EXPECT_TRUE(ScreenEnabled());

    ReadModem();
    form->ReadFromDefFile(path);
    EXPECT_TRUE(prompt.Boxes().isEmpty()) << prompt.Texts().join('|').toStdString();
    EXPECT_EQ(form->CurrentModem.Firmware, version);
    EXPECT_TRUE(ScreenEnabled());
}
