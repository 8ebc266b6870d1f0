#include "ConfigurationFile.h"

#include "ConfigurationFields.h"
#include "DatabaseError.h"
#include "FieldValue.h"
#include "ModemSetting.h"
#include "RadioSpec.h"
#include "RuntimeError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

const QString ConfigurationFile::TableName = QStringLiteral("ModemSetting");

using Field = ConfigurationFields::Field;

namespace {

// A hidden name in the file's folder that no other save uses.
QString temporaryPath(const QString& path)
{
    const QFileInfo target(path);
    const QString tag = QString::number(QRandomGenerator::global()->generate(), 16);
    return target.dir().filePath(QLatin1Char('.') + target.fileName() + QLatin1Char('.') + tag);
}

void discard(const QString& temporary)
{
    QFile::remove(temporary);
    QFile::remove(temporary + QStringLiteral("-journal"));
}

// The field's value; a number that is not finite would be stored as Null, which no
// open command reads back.
QVariant stored(const Field& field, const ModemSetting& modem)
{
    const QVariant value = field.Stored(modem);
    if (field.Type == DataType::Double && !std::isfinite(value.toDouble()))
        throw DatabaseError::fieldOverflow(field.Name, value.toString(), QStringLiteral("finite numbers"));
    return value;
}

RuntimeError saveError(const QString& path, int error)
{
    return RuntimeError(75, QStringLiteral("Could not save the file '%1': %2.")
                                .arg(path, QString::fromLocal8Bit(std::strerror(error))));
}

// Waits until the file (or folder) is on the disk.
void syncToDisk(const QString& path, const QString& saved)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) throw saveError(saved, errno);
    const int result = ::fsync(fd);
    const int error = errno;
    ::close(fd);
    if (result != 0) throw saveError(saved, error);
}

// The complete file takes the place of the old one in one step, on the disk
// before the old one goes. Errors name the file chosen, not the link to it.
void replace(const QString& temporary, const QString& target, const QString& chosen)
{
    syncToDisk(temporary, chosen);
    if (std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(target).constData()) != 0)
        throw saveError(chosen, errno);
    syncToDisk(QFileInfo(target).path(), chosen);
}

// A rename needs only the folder's permission: the file's own is asked here, so
// that a file the user may not write is never replaced.
std::optional<struct stat> replaceable(const QString& target, const QString& chosen)
{
    struct stat old {};
    if (::stat(QFile::encodeName(target).constData(), &old) != 0) return std::nullopt;
    if (::faccessat(AT_FDCWD, QFile::encodeName(target).constData(), W_OK, AT_EACCESS) != 0)
        throw saveError(chosen, errno);
    return old;
}

// The new file keeps what the old one had: its owner and group where the user may
// set them, and its mode.
void keepOwnership(const QString& temporary, const struct stat& old, const QString& chosen)
{
    const QByteArray file = QFile::encodeName(temporary);
    if (::chown(file.constData(), old.st_uid, old.st_gid) != 0) {
        // Not allowed to give the file away: the group may still be one of the user's.
        [[maybe_unused]] const int ignored = ::chown(file.constData(), uid_t(-1), old.st_gid);
    }
    if (::chmod(file.constData(), old.st_mode & 07777) != 0) throw saveError(chosen, errno);
}

// The user never chose the temporary file: every error speaks of the file chosen.
RuntimeError aboutTheChosenFile(const RuntimeError& error, const QString& temporary, const QString& chosen)
{
    QString text = error.Description();
    text.replace(temporary, chosen);
    if (!text.contains(chosen)) text = QStringLiteral("Could not save the file '%1': %2").arg(chosen, text);
    return RuntimeError(error.Number(), text);
}

// The Windows program's files are Jet databases; their header names the engine.
bool isJetDatabase(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray head = file.read(20);
    return head.mid(4, 15) == "Standard Jet DB" || head.mid(4, 15) == "Standard ACE DB";
}

RuntimeError notAConfigurationFile(const RuntimeError& error, const QString& path)
{
    QString text = QStringLiteral("'%1' is not a configuration file that this program can read.").arg(path);
    if (isJetDatabase(path))
        text += QStringLiteral(" It is a Microsoft Access database, as the Windows version of the programmer "
                               "saves its configurations; those files cannot be read here.");
    return RuntimeError(error.Number(), text);
}

}  // namespace

void ConfigurationFile::Write(const ModemSetting& modem, const QString& path)
{
    // A link is followed, so that the file it names is the one replaced.
    const QFileInfo info(path);
    const QString target = info.isSymLink() ? info.symLinkTarget() : path;
    const QString temporary = temporaryPath(target);
    try {
        const std::optional<struct stat> old = replaceable(target, path);
        Database database = Database::CreateDatabase(temporary);
        // The file is not in use until it is complete and synced, so it needs no journal.
        database.Execute(QStringLiteral("pragma journal_mode=off"));
        database.Execute(QStringLiteral("pragma synchronous=off"));
        TableDef table(TableName);
        for (const Field& field : ConfigurationFields::InFileOrder())
            table.AppendField(TableDef::CreateField(field.Name, field.Type));
        database.AppendTableDef(table);
        Recordset records = database.OpenRecordset(TableName);
        records.AddNew();
        for (const Field& field : ConfigurationFields::InFileOrder()) records.SetField(field.Name, stored(field, modem));
        records.Update();
        records.Close();
        database.Close();
        if (old) keepOwnership(temporary, *old, path);
        replace(temporary, target, path);
    } catch (const RuntimeError& error) {
        discard(temporary);
        throw aboutTheChosenFile(error, temporary, path);
    } catch (...) {
        discard(temporary);
        throw;
    }
}

QString ConfigurationFile::Resolved(const QString& path)
{
    if (path.isEmpty() || QFileInfo::exists(path)) return path;
    const QString withExtension = path + QStringLiteral(".mdb");
    return QFileInfo(withExtension).isFile() ? withExtension : path;
}

ConfigurationFile ConfigurationFile::Open(const QString& path)
{
    const QString file = Resolved(path);
    try {
        Database database = Database::OpenDatabase(file, true);
        Recordset records = database.OpenRecordset(TableName);
        records.MoveFirst();
        return ConfigurationFile(std::move(database), std::move(records));
    } catch (const RuntimeError& error) {
        if (error.Number() == DatabaseError::UnrecognizedFormat) throw notAConfigurationFile(error, file);
        throw;
    }
}

ConfigurationFile::ConfigurationFile(Database database, Recordset records)
    : database_(std::move(database)), records_(std::move(records))
{
}

bool ConfigurationFile::HasFormatVersion() const
{
    const QVariant version = records_.Field(QStringLiteral("ProgrammerVersion"));
    if (version.isNull()) return false;
    return FieldValue::ToDouble(version) == FormatVersion;
}

void ConfigurationFile::Read(ModemSetting& modem, RadioSpec& spec) const
{
    for (const Field& field : ConfigurationFields::InReadingOrder()) {
        switch (field.Open) {
        case ConfigurationFields::OnOpen::NotRead: continue;
        case ConfigurationFields::OnOpen::Required: field.Load(modem, records_.Field(field.Name)); break;
        case ConfigurationFields::OnOpen::Optional:
            field.Load(modem, field.Default);
            try {
                field.Load(modem, records_.Field(field.Name));
            } catch (const RuntimeError&) {
            }
            break;
        }
        if (field.AfterOpen) field.AfterOpen(modem, spec);
    }
    modem.WriteTxPwr = false;
    modem.TXRadio.WriteTxPwr = false;
    modem.RXRadio.WriteTxPwr = false;
}

void ConfigurationFile::ReadDefaults(ModemSetting& modem, RadioSpec& spec) const
{
    for (const Field& field : ConfigurationFields::InReadingOrder()) {
        switch (field.Defaults) {
        case ConfigurationFields::InDefaults::Skipped: break;
        case ConfigurationFields::InDefaults::Read: field.Load(modem, records_.Field(field.Name)); break;
        case ConfigurationFields::InDefaults::BandCentre: field.Centre(modem, spec); break;
        }
    }
}

void ConfigurationFile::Close()
{
    records_.Close();
    database_.Close();
}
