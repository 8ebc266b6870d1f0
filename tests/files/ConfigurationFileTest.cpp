// The configuration file format on its own: written, checked with SQL, read back.
#include "AsNobody.h"
#include "ConfigurationFile.h"
#include "FileFormat.h"
#include "Members.h"
#include "ModemSetting.h"
#include "RadioSpec.h"
#include "RaisedError.h"
#include "ReadOnlyFolder.h"
#include "RecordFields.h"
#include "SqlFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QStringList everyFileIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

// A configuration with a different value in every member; the transmit radio is
// of a type that Modem.mdb knows.
ModemSetting filled(int seed, bool flag)
{
    ModemSetting m;
    fill(m, seed, flag);
    m.TXRadio.RadioType = 12;
    return m;
}

class ConfigurationFileTest : public ::testing::Test {
protected:
    QString PathIn(const QString& name) const { return dir.filePath(name); }

    // Writes the configuration and reads it back into the target.
    void roundTrip(const ModemSetting& source, ModemSetting& target)
    {
        const QString path = PathIn(QStringLiteral("site.mdb"));
        ConfigurationFile::Write(source, path);
        ConfigurationFile file = ConfigurationFile::Open(path);
        ASSERT_TRUE(file.HasFormatVersion());
        file.Read(target, spec);
        file.Close();
    }

    // What a read of the source's file makes of the target.
    static ModemSetting readInto(const ModemSetting& source, ModemSetting target)
    {
        for (const FormatField& f : FileFormat) {
            const QString member = QString::fromLatin1(f.Member);
            if (!member.isEmpty()) {
                EXPECT_TRUE(Members::Set(target, member, Members::Get(source, member)));
            }
        }
        // Set by the read, not stored: the power limits of a 900 MHz radio.
        target.TXRadio.MaxTXPower = 7000;
        target.TXRadio.MinTXPower = 100;
        target.TXRadio.TrimAdjustable = false;
        target.WriteTxPwr = target.TXRadio.WriteTxPwr = target.RXRadio.WriteTxPwr = false;
        return target;
    }

    // A folder of its own for the user of the test: "nobody" when the tests run as root.
    QString UsersFolder()
    {
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                              QFile::ReadOther | QFile::ExeOther);
        const QString folder = PathIn(QStringLiteral("cfg"));
        EXPECT_TRUE(QDir().mkpath(folder));
        if (::geteuid() == 0) {
            EXPECT_EQ(::chown(QFile::encodeName(folder).constData(), AsNobody::User, AsNobody::Group), 0);
        }
        return folder;
    }

    struct Ownership {
        const char* name;
        uid_t owner;
        gid_t group;
        mode_t mode;
        bool replaced;
        uid_t ownerAfter;
        gid_t groupAfter;
    };

    // Saves over a file of the given owner, group and mode as the user of the test.
    void SaveOver(const QString& folder, const Ownership& c)
    {
        SCOPED_TRACE(c.name);
        const QString path = folder + QStringLiteral("/site.mdb");
        const QByteArray file = QFile::encodeName(path);
        QFile::remove(path);
        ConfigurationFile::Write(filled(3, true), path);
        ASSERT_EQ(::chown(file.constData(), c.owner, c.group), 0);
        ASSERT_EQ(::chmod(file.constData(), c.mode), 0);
        const QByteArray before = contents(path);
        const ModemSetting saved = filled(1, false);

        std::optional<RuntimeError> e;
        {
            AsNobody nobody;
            ASSERT_EQ(nobody.Active(), ::getuid() == 0);
            e = RaisedError([&] { ConfigurationFile::Write(saved, path); });
        }
        struct stat after {};
        ASSERT_EQ(::stat(file.constData(), &after), 0);
        EXPECT_EQ(after.st_mode & 07777, c.mode);
        EXPECT_EQ(after.st_uid, c.replaced ? c.ownerAfter : c.owner);
        EXPECT_EQ(after.st_gid, c.replaced ? c.groupAfter : c.group);
        if (c.replaced) {
            EXPECT_FALSE(e) << e->Description().toStdString();
            EXPECT_EQ(SqlFile::Rows(path, QStringLiteral("select SerialNo from ModemSetting")),
                      (QList<QStringList>{{saved.SerialNo}}));
        } else {
            ASSERT_TRUE(e);
            EXPECT_EQ(e->Number(), 75);
            EXPECT_EQ(e->Description(), QStringLiteral("Could not save the file '%1': Permission denied.").arg(path));
            EXPECT_EQ(contents(path), before);
        }
        EXPECT_EQ(everyFileIn(folder), QStringList{QStringLiteral("site.mdb")}) << "nothing left behind";
    }

    QTemporaryDir dir;
    RadioSpec spec{RadioSpecSource{QStringLiteral(MODEM_DATABASE_PATH), QStringLiteral("us"), nullptr, QString()}};
};

}  // namespace

TEST_F(ConfigurationFileTest, EveryStoredMemberComesBackAndTheOthersStay)
{
    for (const bool flag : {false, true}) {
        SCOPED_TRACE(flag ? "Booleans one way" : "Booleans the other way");
        const ModemSetting source = filled(1, flag);
        ModemSetting target = filled(2, !flag);
        const ModemSetting expected = readInto(source, target);
        roundTrip(source, target);
        EXPECT_EQ(Members::Differences(expected, target), QStringList());
    }
}

TEST_F(ConfigurationFileTest, TheFileHoldsOneTableOfTheFormatWithOneRow)
{
    const ModemSetting source = filled(1, true);
    const QString path = PathIn(QStringLiteral("site.mdb"));
    ConfigurationFile::Write(source, path);

    EXPECT_EQ(SqlFile::Rows(path, QStringLiteral("select type, name from sqlite_master")),
              (QList<QStringList>{{"table", "ModemSetting"}}))
        << "one table, no index";
    const QList<QStringList> columns = SqlFile::Rows(
        path, QStringLiteral("select name, type, \"notnull\", dflt_value, pk from pragma_table_info('ModemSetting')"));
    ASSERT_EQ(columns.size(), 74);
    for (int i = 0; i < 74; ++i) {
        SCOPED_TRACE(FileFormat[i].Field);
        EXPECT_EQ(columns[i], (QStringList{FileFormat[i].Field, FileFormat[i].Type, "0", "NULL", "0"}));
    }
    EXPECT_EQ(SqlFile::Rows(path, QStringLiteral("select count(*) from ModemSetting")), (QList<QStringList>{{"1"}}));

    // Booleans as 1 and 0, the version as a real 3.0, texts as texts.
    EXPECT_EQ(SqlFile::Rows(path, QStringLiteral("select typeof(HDX), HDX, typeof(ExtRF), ExtRF, "
                                                 "typeof(ProgrammerVersion), ProgrammerVersion, typeof(TXSerial), "
                                                 "TXSerial, typeof(RSSI), RSSI from ModemSetting")),
              (QList<QStringList>{{"integer", source.HDX ? "1" : "0", "integer", source.ExtRF ? "1" : "0", "real",
                                   "3", "text", source.TXRadio.SerialNo, "integer", QString::number(source.RSSI)}}));
}

TEST_F(ConfigurationFileTest, FieldNamesAreFoundWithoutRegardToCase)
{
    const ModemSetting source = filled(1, true);
    const QString path = PathIn(QStringLiteral("site.mdb"));
    ConfigurationFile::Write(source, path);
    QStringList lowered;
    for (const FormatField& f : FileFormat)
        lowered << QString::fromLatin1(f.Field).toLower() + QLatin1Char(' ') + QString::fromLatin1(f.Type);
    ASSERT_TRUE(SqlFile::Run(path, {QStringLiteral("create table Lowered (%1)").arg(lowered.join(", ")),
                                    QStringLiteral("insert into Lowered select * from ModemSetting"),
                                    QStringLiteral("drop table ModemSetting"),
                                    QStringLiteral("alter table Lowered rename to MODEMSETTING")}));

    ModemSetting target = filled(2, false);
    const ModemSetting expected = readInto(source, target);
    ConfigurationFile file = ConfigurationFile::Open(path);
    EXPECT_TRUE(file.HasFormatVersion());
    file.Read(target, spec);
    EXPECT_EQ(Members::Differences(expected, target), QStringList());
}

TEST_F(ConfigurationFileTest, AnyNonZeroBooleanReadsTrue)
{
    const QString path = PathIn(QStringLiteral("site.mdb"));
    const struct {
        const char* stored;
        bool read;
    } cases[] = {{"1", true}, {"2", true}, {"-1", true}, {"0.5", true}, {"0", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        ConfigurationFile::Write(filled(1, !c.read), path);
        ASSERT_TRUE(SqlFile::Run(path, {QStringLiteral("update ModemSetting set HDX=%1, PortBISSlip=%1, SIDCode=%1")
                                            .arg(QString::fromLatin1(c.stored))}));
        ModemSetting target = filled(2, !c.read);
        ConfigurationFile::Open(path).Read(target, spec);
        EXPECT_EQ(target.HDX, c.read);
        EXPECT_EQ(target.PortB.ISSlip, c.read);
        EXPECT_EQ(target.SIDCode, c.read);
    }
}

TEST_F(ConfigurationFileTest, TheFormatVersionIsThreeAndNothingElse)
{
    const QString path = PathIn(QStringLiteral("site.mdb"));
    ConfigurationFile::Write(filled(1, true), path);
    const struct {
        const char* stored;
        bool accepted;
    } cases[] = {{"3.0", true}, {"3", true}, {"'3'", true}, {"2", false},
                 {"4", false},  {"2.99", false}, {"NULL", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        ASSERT_TRUE(SqlFile::Run(
            path, {QStringLiteral("update ModemSetting set ProgrammerVersion=%1").arg(QString::fromLatin1(c.stored))}));
        EXPECT_EQ(ConfigurationFile::Open(path).HasFormatVersion(), c.accepted);
    }
}

TEST_F(ConfigurationFileTest, SixteenBitFieldsRefuseWhatDoesNotFitAndKeepThePreviousFile)
{
    const QString path = PathIn(QStringLiteral("site.mdb"));
    ConfigurationFile::Write(filled(3, true), path);
    const QStringList filesBefore = everyFileIn(dir.path());

    int32_t ModemSetting::*const fields[] = {&ModemSetting::DiagSID1, &ModemSetting::DiagSID2, &ModemSetting::NoOfSlot,
                                             &ModemSetting::TimePerSlot, &ModemSetting::RSSI};
    const char* const names[] = {"DiagSID1", "DiagSID2", "NoOfSlot", "TimePerSlot", "RSSI"};
    for (int i = 0; i < 5; ++i) {
        const QByteArray before = contents(path);
        for (const int32_t value : {32768, -32769, 100000}) {
            SCOPED_TRACE(QStringLiteral("%1=%2").arg(names[i]).arg(value).toStdString());
            ModemSetting m = filled(1, true);
            m.*fields[i] = value;
            const std::optional<RuntimeError> e = RaisedError([&] { ConfigurationFile::Write(m, path); });
            ASSERT_TRUE(e);
            EXPECT_EQ(e->Number(), 3349);
            EXPECT_EQ(e->Description(),
                      QStringLiteral("Could not save the file '%1': Numeric field overflow: the field '%2' holds "
                                     "-32768 to 32767, not %3.")
                          .arg(path, names[i])
                          .arg(value));
            EXPECT_EQ(contents(path), before);
            EXPECT_EQ(everyFileIn(dir.path()), filesBefore) << "nothing left behind";
        }
        for (const int32_t value : {32767, -32768}) {
            ModemSetting m = filled(1, true);
            m.*fields[i] = value;
            ConfigurationFile::Write(m, path);
            ModemSetting back;
            ConfigurationFile::Open(path).Read(back, spec);
            EXPECT_EQ(back.*fields[i], value) << names[i];
        }
    }
}

TEST_F(ConfigurationFileTest, ANumberThatIsNotFiniteIsRefusedAndKeepsThePreviousFile)
{
    // Stored, such a number would come back without a value, and the file would no longer open.
    const QString path = PathIn(QStringLiteral("site.mdb"));
    ConfigurationFile::Write(filled(3, true), path);
    const QByteArray before = contents(path);
    const QStringList filesBefore = everyFileIn(dir.path());
    const struct {
        const char* field;
        std::function<void(ModemSetting&)> change;
        const char* shown;
    } cases[] = {
        {"TXFreq", [](ModemSetting& m) { m.TXRadio.TXFreq = std::numeric_limits<double>::quiet_NaN(); }, "nan"},
        {"TXFreq", [](ModemSetting& m) { m.TXRadio.TXFreq = std::numeric_limits<double>::infinity(); }, "inf"},
        {"RXFreq", [](ModemSetting& m) { m.RXRadio.RXFreq = -std::numeric_limits<double>::infinity(); }, "-inf"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown);
        ModemSetting m = filled(1, true);
        c.change(m);
        const std::optional<RuntimeError> e = RaisedError([&] { ConfigurationFile::Write(m, path); });
        ASSERT_TRUE(e);
        EXPECT_EQ(e->Number(), 3349);
        EXPECT_EQ(e->Description(), QStringLiteral("Could not save the file '%1': Numeric field overflow: the field "
                                                   "'%2' holds finite numbers, not %3.")
                                        .arg(path, c.field, c.shown));
        EXPECT_EQ(contents(path), before);
        EXPECT_EQ(everyFileIn(dir.path()), filesBefore);
    }
}

TEST_F(ConfigurationFileTest, TheUsersOwnFileIsReplacedOnlyWhenWritableAndKeepsItsMode)
{
    const QString folder = UsersFolder();
    const uid_t user = ::getuid() == 0 ? AsNobody::User : ::getuid();
    const gid_t group = ::getuid() == 0 ? AsNobody::Group : ::getgid();
    const Ownership cases[] = {
        {"read-only", user, group, 0444, false, 0, 0},
        {"read-only to the owner, writable to the group", user, group, 0464, false, 0, 0},
        {"private", user, group, 0600, true, user, group},
        {"shared with the group", user, group, 0640, true, user, group},
        {"writable to everyone", user, group, 0666, true, user, group},
    };
    for (const Ownership& c : cases) SaveOver(folder, c);
}

TEST_F(ConfigurationFileTest, AnotherUsersFileIsReplacedOnlyWhenTheUserMayWriteIt)
{
    if (::getuid() != 0) GTEST_SKIP() << "files of another user can only be set up when the tests run as root";
    const QString folder = UsersFolder();
    using U = AsNobody;
    const Ownership cases[] = {
        {"another user's file", 0, 0, 0644, false, 0, 0},
        {"another user's file in the user's group, read-only to it", 0, U::Users, 0640, false, 0, 0},
        {"nobody's file of the second group", U::User, U::Users, 0640, true, U::User, U::Users},
        // The user cannot give the new file away, but may keep a group of its own.
        {"writable by the user's group", 0, U::Users, 0660, true, U::User, U::Users},
        {"writable by all, of a group the user is not in", 0, 0, 0666, true, U::User, U::Group},
    };
    for (const Ownership& c : cases) SaveOver(folder, c);
}

TEST_F(ConfigurationFileTest, AFolderThatCannotBeWrittenKeepsThePreviousFile)
{
    const QString folder = PathIn(QStringLiteral("cfg"));
    ASSERT_TRUE(QDir().mkdir(folder));
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther |
                                          QFile::ExeOther);
    const QString path = folder + QStringLiteral("/site.mdb");
    ConfigurationFile::Write(filled(3, true), path);
    const QByteArray before = contents(path);

    std::optional<RuntimeError> e;
    {
        ReadOnlyFolder readOnly(folder);
        ASSERT_TRUE(readOnly.Active());
        e = RaisedError([&] { ConfigurationFile::Write(filled(1, false), path); });
    }
    ASSERT_TRUE(e);
    EXPECT_EQ(e->Number(), 3044);
    EXPECT_TRUE(e->Description().contains(folder)) << e->Description().toStdString();
    EXPECT_EQ(contents(path), before);
    EXPECT_EQ(everyFileIn(folder), QStringList{QStringLiteral("site.mdb")});
}

TEST_F(ConfigurationFileTest, WritingAgainReplacesTheFileWithOneRow)
{
    const QString path = PathIn(QStringLiteral("site.mdb"));
    ConfigurationFile::Write(filled(1, true), path);
    ModemSetting second = filled(5, false);
    second.SerialNo = QStringLiteral("000777");
    ConfigurationFile::Write(second, path);
    EXPECT_EQ(SqlFile::Rows(path, QStringLiteral("select count(*), SerialNo from ModemSetting")),
              (QList<QStringList>{{"1", "000777"}}));
    EXPECT_EQ(everyFileIn(dir.path()), QStringList{QStringLiteral("site.mdb")});
}

TEST_F(ConfigurationFileTest, OptionalFieldsMissingOrNullTakeTheirDefaults)
{
    const QString path = PathIn(QStringLiteral("site.mdb"));
    const QStringList optional = {"TXSerial", "RXSerial", "TXCanFreqTrim", "RXCanFreqTrim", "DiagsEditable"};
    for (const bool drop : {true, false}) {
        SCOPED_TRACE(drop ? "missing" : "Null");
        ModemSetting source = filled(1, false);
        source.TXRadio.CanFreqTrim = source.RXRadio.CanFreqTrim = source.DiagsEditable = false;
        ConfigurationFile::Write(source, path);
        QStringList statements;
        for (const QString& field : optional)
            statements << (drop ? QStringLiteral("alter table ModemSetting drop column %1").arg(field)
                                : QStringLiteral("update ModemSetting set %1=NULL").arg(field));
        ASSERT_TRUE(SqlFile::Run(path, statements));

        ModemSetting target = filled(2, false);
        ModemSetting expected = readInto(source, target);
        expected.TXRadio.SerialNo = expected.RXRadio.SerialNo = QStringLiteral("------");
        expected.TXRadio.CanFreqTrim = expected.RXRadio.CanFreqTrim = expected.DiagsEditable = true;
        ConfigurationFile file = ConfigurationFile::Open(path);
        EXPECT_TRUE(file.HasFormatVersion());
        file.Read(target, spec);
        EXPECT_EQ(Members::Differences(expected, target), QStringList());
    }
}

TEST_F(ConfigurationFileTest, ARequiredFieldMissingOrWrongEndsTheReadKeepingWhatCameBefore)
{
    const QString path = PathIn(QStringLiteral("site.mdb"));
    const struct {
        const char* statement;
        int number;
        const char* lastRead;   // a member read before the failing field
        const char* notRead;    // a member after it
    } cases[] = {
        {"alter table ModemSetting drop column RXType", 3265, "TXRadio.SerialNo", "RXRadio.RXFreq"},
        {"update ModemSetting set PortBEnabled=NULL", 94, "PortB.ISSlip", "TXRadio.TXFreq"},
        {"update ModemSetting set PortASpeed=40000", 6, "", "PortA.CommSpeed"},
        {"update ModemSetting set firmware=NULL", 94, "PTTTimeout", "ModemType"},
        {"update ModemSetting set TXFreq='fast'", 13, "PortBEnabled", "TXRadio.TXFreq"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.statement);
        const ModemSetting source = filled(1, true);
        ConfigurationFile::Write(source, path);
        ASSERT_TRUE(SqlFile::Run(path, {QString::fromLatin1(c.statement)}));
        ModemSetting target = filled(2, false);
        const ModemSetting before = target;
        const std::optional<RuntimeError> e = RaisedError([&] { ConfigurationFile::Open(path).Read(target, spec); });
        ASSERT_TRUE(e);
        EXPECT_EQ(e->Number(), c.number);
        if (*c.lastRead) {
            EXPECT_EQ(Members::Get(target, c.lastRead), Members::Get(source, c.lastRead)) << c.lastRead;
        }
        EXPECT_EQ(Members::Get(target, c.notRead), Members::Get(before, c.notRead)) << c.notRead;
    }
}

TEST_F(ConfigurationFileTest, FilesThatAreNoConfigurationSaySo)
{
    const QString missing = PathIn(QStringLiteral("missing.mdb"));
    const QString text = PathIn(QStringLiteral("notes.txt"));
    writeBytes(text, "PortASpeed=4\n");
    const QString windows = PathIn(QStringLiteral("windows.mdb"));
    writeBytes(windows, QByteArray("\x00\x01\x00\x00Standard Jet DB\x00", 20) + QByteArray(4076, '\x17'));
    const QString empty = PathIn(QStringLiteral("empty.mdb"));
    ASSERT_TRUE(SqlFile::Run(empty, {QStringLiteral("pragma user_version=1")}));
    const QString zero = PathIn(QStringLiteral("zero.mdb"));
    writeBytes(zero, QByteArray());
    const QString noRow = PathIn(QStringLiteral("norow.mdb"));
    ConfigurationFile::Write(filled(1, true), noRow);
    ASSERT_TRUE(SqlFile::Run(noRow, {QStringLiteral("delete from ModemSetting")}));

    const QString noTable = QStringLiteral("The database engine cannot find the input table or query 'ModemSetting'. "
                                           "Make sure it exists and that its name is spelled correctly.");
    const QString notOurs = QStringLiteral("'%1' is not a configuration file that this program can read.");
    const struct {
        QString path;
        int number;
        QString description;
    } cases[] = {
        {missing, 3024, QStringLiteral("Could not find file '%1'.").arg(missing)},
        {text, 3343, notOurs.arg(text)},
        {windows, 3343,
         notOurs.arg(windows) + QStringLiteral(" It is a Microsoft Access database, as the Windows version of the "
                                               "programmer saves its configurations; those files cannot be read "
                                               "here.")},
        {empty, 3078, noTable},
        {zero, 3078, noTable},
        {noRow, 3021, QStringLiteral("No current record.")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        const std::optional<RuntimeError> e = RaisedError([&] { ConfigurationFile::Open(c.path); });
        ASSERT_TRUE(e);
        EXPECT_EQ(e->Number(), c.number);
        EXPECT_EQ(e->Description(), c.description);
    }
    EXPECT_FALSE(QFile::exists(missing)) << "opening never creates a file";
}

TEST_F(ConfigurationFileTest, APathWithoutExtensionOpensItsMdbFile)
{
    const QString base = PathIn(QStringLiteral("site"));
    ConfigurationFile::Write(filled(1, true), base + QStringLiteral(".mdb"));
    EXPECT_EQ(ConfigurationFile::Resolved(base), base + QStringLiteral(".mdb"));
    ModemSetting target;
    ConfigurationFile::Open(base).Read(target, spec);
    EXPECT_EQ(target.SerialNo, filled(1, true).SerialNo);

    const QString other = PathIn(QStringLiteral("other"));
    EXPECT_EQ(ConfigurationFile::Resolved(other), other) << "no .mdb file: the path as given";
    writeBytes(base, "a file of that very name");
    EXPECT_EQ(ConfigurationFile::Resolved(base), base) << "a file of that very name wins";
}

TEST_F(ConfigurationFileTest, ADefaultsFileSetsTheSettingsAndKeepsTheIdentity)
{
    const char* const read[] = {
        "PortA.CommSpeed", "PortA.DataBit", "PortA.StopBit", "PortA.Parity", "PortA.Packet", "PortA.HandShake",
        "PortA.EOMChar", "PortA.MaxFrame", "PortA.CharTimer", "PortA.SID1", "PortA.SID2", "PortA.SIDType",
        "PortA.ISLive", "PortA.EOMEnable", "PortA.ISSlip", "PortB.CommSpeed", "PortB.DataBit", "PortB.StopBit",
        "PortB.Parity", "PortB.Packet", "PortB.HandShake", "PortB.EOMChar", "PortB.MaxFrame", "PortB.CharTimer",
        "PortB.SID1", "PortB.SID2", "PortB.SIDType", "PortB.ISLive", "PortB.EOMEnable", "PortB.ISSlip",
        "PortBEnabled", "TXRadio.TXFreqTrim", "TXRadio.txpower", "TXRadio.PowerHL", "TXRadio.TXDelay",
        "TXRadio.PowerAlarm", "RXRadio.RXFreqTrim", "PTTTimeout", "PTTControl", "CAvoid", "SIDCode", "DiagSID1",
        "DiagSID2", "NoOfSlot", "TimePerSlot", "TryBeforeTX", "DiagRepeat", "RSSI"};
    ASSERT_EQ(std::size(read), 48u);

    const QString path = PathIn(QStringLiteral("defaults.mdb"));
    const ModemSetting source = filled(1, true);
    ConfigurationFile::Write(source, path);
    // The version is not looked at.
    ASSERT_TRUE(SqlFile::Run(path, {QStringLiteral("update ModemSetting set ProgrammerVersion=4")}));

    const struct {
        const char* name;
        int16_t txType, rxType;
        double txFreq, rxFreq;
    } cases[] = {
        {"900 and 450 MHz radios", 12, 35, (928.0 + 960.0) / 2, (450.0 + 470.0) / 2},
        // No row for these radios: the centres of what the lookup held before (the 900 MHz row).
        {"unknown radios", 99, 98, (928.0 + 960.0) / 2, (928.0 + 960.0) / 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        spec.GetRadioSpec(12);
        ModemSetting target = filled(2, false);
        target.TXRadio.RadioType = c.txType;
        target.RXRadio.RadioType = c.rxType;
        ModemSetting expected = target;
        for (const char* member : read) ASSERT_TRUE(Members::Set(expected, member, Members::Get(source, member)));
        expected.TXRadio.TXFreq = c.txFreq;
        expected.RXRadio.RXFreq = c.rxFreq;
        ConfigurationFile::Open(path).ReadDefaults(target, spec);
        EXPECT_EQ(Members::Differences(expected, target), QStringList());
    }

    ASSERT_TRUE(SqlFile::Run(path, {QStringLiteral("alter table ModemSetting drop column PTTControl")}));
    ModemSetting target = filled(2, false);
    const std::optional<RuntimeError> e =
        RaisedError([&] { ConfigurationFile::Open(path).ReadDefaults(target, spec); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->Number(), 3265);
    EXPECT_EQ(target.PTTTimeout, source.PTTTimeout) << "read before the missing field";
    EXPECT_EQ(target.CAvoid, filled(2, false).CAvoid) << "after it";
}

TEST_F(ConfigurationFileTest, TheOpenCommandReadsTheFieldsInItsOwnOrder)
{
    // The order of the open command; the optional fields never end a read.
    const char* const order[] = {
        "PortASpeed", "PortADataBit", "PortAStopBit", "PortAParity", "PortAPacket", "PortAHand", "PortAEOMChar",
        "PortAMaxFrame", "PortACharTimer", "PortASID1", "PortASID2", "PortASIDType", "PortAISLive", "PortAEOMEnable",
        "PortAISSlip", "PortBSpeed", "PortBDataBit", "PortBStopBit", "PortBParity", "PortBPacket", "PortBHand",
        "PortBEOMChar", "PortBMaxFrame", "PortBCharTimer", "PortBSID1", "PortBSID2", "PortBSIDType", "PortBISLive",
        "PortBEOMEnable", "PortBISSlip", "PortBEnabled", "TXFreq", "TXFreqTrim", "TXTrimGain", "TXPower", "Powerhl",
        "TXDelay", "PowerAlarm", "TXType", "TXFirmware", "TXminTCT", "TXmaxTCT", "TXSerial", "TXCanFreqTrim",
        "RXType", "RXFreq", "RXFreqTrim", "RXTrimGain", "RXFirmware", "RXminTCT", "RXmaxTCT", "RXSerial",
        "RXCanFreqTrim", "PTTTimeout", "firmware", "SerialNo", "ModemType", "ModemID", "PTTControl", "CAvoid",
        "SIDCode", "DiagEnable", "DiagSID1", "DiagSID2", "NoOfSlot", "TimePerSlot", "TryBeforeTX", "DiagRepeat",
        "RSSI", "HDX", "ExtRF", "BaudRate9600", "DiagsEditable"};
    const QStringList optional = {"TXSerial", "TXCanFreqTrim", "RXSerial", "RXCanFreqTrim", "DiagsEditable"};
    auto memberOf = [](const QString& field) {
        for (const FormatField& f : FileFormat)
            if (field == QLatin1String(f.Field)) return QString::fromLatin1(f.Member);
        return QString();
    };

    const QString pristine = PathIn(QStringLiteral("pristine.mdb"));
    const QString path = PathIn(QStringLiteral("site.mdb"));
    const ModemSetting source = filled(1, true);
    ConfigurationFile::Write(source, pristine);
    for (const char* failing : order) {
        if (optional.contains(QLatin1String(failing))) continue;
        SCOPED_TRACE(failing);
        QFile::remove(path);
        ASSERT_TRUE(QFile::copy(pristine, path));
        ASSERT_TRUE(SqlFile::Run(path, {QStringLiteral("update ModemSetting set %1=NULL").arg(failing)}));
        ModemSetting target = filled(2, false);
        const ModemSetting before = target;
        const std::optional<RuntimeError> e = RaisedError([&] { ConfigurationFile::Open(path).Read(target, spec); });
        ASSERT_TRUE(e);
        EXPECT_EQ(e->Number(), 94);
        bool reached = false;
        for (const char* field : order) {
            reached = reached || qstrcmp(field, failing) == 0;
            const QString member = memberOf(QString::fromLatin1(field));
            ASSERT_FALSE(member.isEmpty()) << field;
            EXPECT_EQ(Members::Get(target, member), Members::Get(reached ? before : source, member))
                << field << (reached ? " is not read before " : " is read before ") << failing;
        }
    }
}

TEST_F(ConfigurationFileTest, TextsWithoutAValueAreSavedAsEmptyTexts)
{
    // As a record starts, and as a radio whose version could not be read leaves it.
    ModemSetting source = filled(1, true);
    source.Firmware = QString();
    source.TXRadio.Firmware = QString();
    source.RXRadio.SerialNo = QString();
    const QString path = PathIn(QStringLiteral("site.mdb"));
    ConfigurationFile::Write(source, path);
    EXPECT_EQ(SqlFile::Rows(path, QStringLiteral("select typeof(firmware), typeof(TXFirmware), typeof(RXSerial), "
                                                 "count(*) from ModemSetting")),
              (QList<QStringList>{{"text", "text", "text", "1"}}));

    ModemSetting target = filled(2, false);
    ConfigurationFile::Open(path).Read(target, spec);
    EXPECT_EQ(target.Firmware, QString());
    EXPECT_EQ(target.TXRadio.Firmware, QString());
    EXPECT_EQ(target.RXRadio.SerialNo, QString()) << "an empty serial number, not the unread one";
}
