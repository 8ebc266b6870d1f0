// A damaged Modem.mdb ends the command that met the damage with a box naming the
// database and its table, never the program; and reading Modem.mdb or a
// configuration file leaves their folders as they were.
#include "ConfigurationFile.h"
#include "DatabaseFolder.h"
#include "ProgramFixture.h"
#include "SqlFile.h"

#include <QAction>
#include <QDir>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QToolBar>

namespace {

QStringList listing(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

struct Damage {
    const char* name;
    const char* sql;
    const char* table;
    const char* cause;  // the start of the description, before the field it names
};

// Rows the simulated modem (build type 6, built-in radio type 6, port A at 9600,N,8,1
// on the delivered packet preset) meets in every Read and Open.
const Damage damages[] = {
    {"a Null default speed", "update Modem set ACommDefSpeed1=NULL", "Modem",
     "Invalid use of Null in the field 'ACommDefSpeed1'"},
    {"a word for a default stop bit", "update Modem set ACommDefStop1='one'", "Modem",
     "Type mismatch in the field 'ACommDefStop1'"},
    {"an infinite stop bit of port B", "update Modem set BCommDefStop2=1e999", "Modem",
     "Value inf out of range (a finite number) in the field 'BCommDefStop2'"},
    {"a default packet too big", "update Modem set APackDefSetting1=99999", "Modem",
     "Overflow in the field 'APackDefSetting1'"},
    {"a matched packet without its number", "update packet set PacketID=NULL", "packet",
     "Invalid use of Null in the field 'PacketID'"},
};

class HostileDatabaseTest : public ProgramFixture {
protected:
    bool EditorsOff() const
    {
        auto tool = [&](const char* key) {
            return form->Toolbar1->findChild<QAction*>(QString::fromLatin1(key))->isEnabled();
        };
        return !form->TransFreq->isEnabled() && !form->ACharDef1->isEnabled() && !form->SIDON->isEnabled() &&
               !tool("TWRadio") && !tool("TSave") && !tool("TWizard") && !tool("TPrint");
    }

    // A configuration file as Save writes it, of the simulated modem read with a
    // sound database.
    QString SavedConfiguration(const QTemporaryDir& dir)
    {
        EXPECT_TRUE(Load());
        EXPECT_TRUE(ReadModem()) << prompt.Texts().join(" | ").toStdString();
        const QString path = dir.filePath(QStringLiteral("saved.mdb"));
        ConfigurationFile::Write(form->CurrentModem, path);
        form.reset();
        prompt.Clear();
        return path;
    }

    // One box names the database and the table; the editors are off, nothing
    // may act on the configuration, the port is free and the program goes on.
    void ExpectCommandEnded(const QString& table, const QString& cause)
    {
        const QString named = QStringLiteral("of the table '%1' in Modem.mdb.").arg(table);
        const QStringList texts = prompt.Texts();
        EXPECT_EQ(texts.filter(named).size(), 1) << texts.join(" | ").toStdString();
        EXPECT_EQ(texts.filter(cause).size(), 1) << texts.join(" | ").toStdString();
        EXPECT_TRUE(ends.isEmpty());
        EXPECT_FALSE(form->SettingPage);
        EXPECT_FALSE(form->Busy());
        EXPECT_FALSE(form->VellModem1->Working());
        EXPECT_FALSE(form->VellModem1->PortOpen());
        EXPECT_TRUE(EditorsOff());
        // The window taking the focus does not bring the damage back.
        prompt.Clear();
        form->Form_GotFocus();
        EXPECT_TRUE(prompt.Boxes().isEmpty()) << prompt.Texts().join(" | ").toStdString();
        EXPECT_TRUE(EditorsOff());
    }

    // The command, once on a fresh window over each damaged database in turn.
    template <typename Command>
    void ForEachDamage(Command command)
    {
        for (const Damage& d : damages) {
            SCOPED_TRACE(d.name);
            DatabaseFolder folder;
            folder.Run({QString::fromLatin1(d.sql)});
            seams.dataDir = folder.Path();
            ASSERT_TRUE(Load());
            prompt.Clear();
            command();
            ExpectCommandEnded(QString::fromLatin1(d.table), QString::fromLatin1(d.cause));
            form.reset();
            prompt.Clear();
        }
    }
};

TEST_F(HostileDatabaseTest, ADamagedModemRowEndsTheReadWithABoxNamingIt)
{
    ForEachDamage([&] { form->Menu_Read_Click(); });
}

TEST_F(HostileDatabaseTest, AGoodFileOpenedWithADamagedDatabaseBlamesTheDatabase)
{
    QTemporaryDir dir;
    const QString file = SavedConfiguration(dir);
    ForEachDamage([&] {
        form->ReadFromDatFile(file);
        EXPECT_TRUE(form->FromFile);
    });
}

// A radio row the drivers cannot work with: the lookup's own message, naming the
// column, and the Read refused.
TEST_F(HostileDatabaseTest, ARadioRowWithoutAChannelStepRefusesTheRead)
{
    const struct {
        const char* sql;
        const char* cause;
    } cases[] = {
        {"update radio set PhaseFreq=0", "Value 0 out of range (more than 0) in the field 'PhaseFreq'"},
        {"update radio set PhaseFreq='nan'", "Value nan out of range (more than 0) in the field 'PhaseFreq'"},
        {"update radio set RefCrystal=-1e999", "Value -inf out of range (more than 0) in the field 'RefCrystal'"},
        {"update radio set MaxTXFreq=NULL", "Invalid use of Null in the field 'MaxTXFreq'"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sql);
        DatabaseFolder folder;
        folder.Run({QString::fromLatin1(c.sql)});
        seams.dataDir = folder.Path();
        ASSERT_TRUE(Load());
        prompt.Clear();
        form->Menu_Read_Click();
        const QStringList texts = prompt.Texts();
        EXPECT_EQ(texts.filter(QStringLiteral("Error Finding Database entry for the current Modem Type.")).size(), 1)
            << texts.join(" | ").toStdString();
        EXPECT_EQ(texts.filter(QString::fromLatin1(c.cause) + QStringLiteral(" of the table 'radio' in Modem.mdb."))
                      .size(),
                  1)
            << texts.join(" | ").toStdString();
        EXPECT_TRUE(ends.isEmpty());
        EXPECT_FALSE(form->Busy());
        EXPECT_FALSE(form->VellModem1->PortOpen());
        EXPECT_TRUE(EditorsOff());
        form.reset();
        prompt.Clear();
    }
}

// A power curve the transmitter's power cannot be written with: a negative
// coefficient is the database's fault at the Read; one that passes but gives no
// power setting ends the Write before its first memory write, so the modem keeps
// its whole configuration and its check word.
TEST_F(HostileDatabaseTest, APowerCurveNoWriteCanUseNeverLeavesTheModemHalfWritten)
{
    const struct {
        const char* sql;
        const char* cause;  // null: the Read passes
    } cases[] = {
        {"update radio set TXPowA=-4.4", "Value -4.4 out of range (at least 0) in the field 'TXPowA'"},
        {"update radio set AlarmPowA=-4.4", "Value -4.4 out of range (at least 0) in the field 'AlarmPowA'"},
        {"update radio set TXPowA=1e12", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sql);
        DatabaseFolder folder;
        folder.Run({QString::fromLatin1(c.sql)});
        seams.dataDir = folder.Path();
        Play("lumbrel-fdx");
        ASSERT_TRUE(Load());
        prompt.Clear();
        const bool read = ReadModem();
        if (c.cause) {
            EXPECT_FALSE(read);
            const QStringList texts = prompt.Texts();
            EXPECT_EQ(texts.filter(QString::fromLatin1(c.cause) + QStringLiteral(" of the table 'radio' in Modem.mdb."))
                          .size(),
                      1)
                << texts.join(" | ").toStdString();
            EXPECT_TRUE(EditorsOff());
        } else {
            ASSERT_TRUE(read) << prompt.Texts().join(" | ").toStdString();
            form->WriteTxOn->click();
            form->CurrentModem.TXRadio.txpower = 1001;
            prompt.Clear();
            form->Menu_Write_Click();
            const QStringList texts = prompt.Texts();
            EXPECT_EQ(texts.filter(QStringLiteral("Unrecoverable Error, Contact ")).size(), 1)
                << texts.join(" | ").toStdString();
            EXPECT_FALSE(form->VellModem1->PortOpen());
        }
        EXPECT_EQ(CommandCount("WN"), 0) << "no memory write went out";
        form.reset();
        prompt.Clear();
    }
}

// The program's folder and a configuration file's folder, each with its file in
// WAL journal mode: start-up, Read, Open and the packet look-ups read them and
// leave no file beside them; Save still replaces the configuration file.
TEST_F(HostileDatabaseTest, ReadingDatabasesInWalModeLeavesTheirFoldersAsTheyWere)
{
    QTemporaryDir files;
    const QString file = SavedConfiguration(files);
    DatabaseFolder folder;
    for (const QString& path : {folder.DatabasePath(), file})
        ASSERT_EQ(SqlFile::Rows(path, QStringLiteral("pragma journal_mode=wal")), QList<QStringList>{{"wal"}});
    const QStringList programFolder = listing(folder.Path());
    const QStringList fileFolder = listing(files.path());
    ASSERT_EQ(programFolder, QStringList{"Modem.mdb"});
    ASSERT_EQ(fileFolder, QStringList{"saved.mdb"});

    seams.dataDir = folder.Path();
    ASSERT_TRUE(Load());
    ASSERT_TRUE(ReadModem()) << prompt.Texts().join(" | ").toStdString();
    form->ReadFromDatFile(file);
    EXPECT_TRUE(form->FromFile);
    EXPECT_TRUE(form->TransFreq->isEnabled()) << prompt.Texts().join(" | ").toStdString();
    EXPECT_TRUE(prompt.Boxes().isEmpty()) << prompt.Texts().join(" | ").toStdString();
    EXPECT_EQ(listing(folder.Path()), programFolder) << "with the program's databases open";
    EXPECT_EQ(listing(files.path()), fileFolder);

    form->CurrentModem.PTTTimeout = 45;
    ConfigurationFile::Write(form->CurrentModem, file);
    EXPECT_EQ(SqlFile::Rows(file, QStringLiteral("select PTTTimeout from ModemSetting")), QList<QStringList>{{"45"}});
    form.reset();
    EXPECT_EQ(listing(folder.Path()), programFolder);
}

}  // namespace
