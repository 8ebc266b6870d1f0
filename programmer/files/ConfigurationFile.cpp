#include "ConfigurationFile.h"

#include "ConfigurationFields.h"
#include "Connection.h"
#include "DatabaseError.h"
#include "FieldValue.h"
#include "FileReplacement.h"
#include "ModemSetting.h"
#include "RadioSpec.h"
#include "RuntimeError.h"
#include "TemporaryFolder.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cmath>
#include <optional>

const QString ConfigurationFile::TableName = QStringLiteral("ModemSetting");

using Field = ConfigurationFields::Field;

namespace {

// The field's value; a number that is not finite would be stored as Null, which no
// open command reads back.
QVariant stored(const Field& field, const ModemSetting& modem)
{
    const QVariant value = field.Stored(modem);
    if (field.Type == DataType::Double && !std::isfinite(value.toDouble()))
        throw DatabaseError::fieldOverflow(field.Name, value.toString(), QStringLiteral("finite numbers"));
    return value;
}

// The user never chose the hidden file beside it: every error speaks of the file chosen.
RuntimeError aboutTheChosenFile(const RuntimeError& error, const QString& hidden, const QString& chosen)
{
    QString text = error.Description();
    if (!hidden.isEmpty()) text.replace(hidden, chosen);
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

// The table of the format with its one row, in a new file; the file is not in use
// until it is complete and synced, so it needs no journal.
void fill(Database database, const ModemSetting& modem)
{
    database.Execute(QStringLiteral("pragma journal_mode=off"));
    database.Execute(QStringLiteral("pragma synchronous=off"));
    TableDef table(ConfigurationFile::TableName);
    for (const Field& field : ConfigurationFields::InFileOrder())
        table.AppendField(TableDef::CreateField(field.Name, field.Type));
    database.AppendTableDef(table);
    Recordset records = database.OpenRecordset(ConfigurationFile::TableName);
    records.AddNew();
    for (const Field& field : ConfigurationFields::InFileOrder()) records.SetField(field.Name, stored(field, modem));
    records.Update();
    records.Close();
    database.Close();
}

// The engine cannot build the file in its folder, and the temporary folder where
// it would be built instead is the cause.
RuntimeError inTemporaryFolder(const QString& path, const QString& beside, const TemporaryFolder& work,
                               const QString& cause)
{
    return RuntimeError(75, QStringLiteral("Could not save the file '%1': its path is too long for the database "
                                           "engine to build it in its folder (%2 bytes; the engine takes at most "
                                           "%3), and the temporary folder '%4', where it is built instead, %5.")
                                .arg(path)
                                .arg(QFile::encodeName(beside).size())
                                .arg(Connection::EngineLongestPath())
                                .arg(work.Location(), cause));
}

}  // namespace

void ConfigurationFile::Write(const ModemSetting& modem, const QString& path)
{
    std::optional<FileReplacement> replacement;
    try {
        replacement.emplace(path);
        const QString beside = replacement->Create();
        if (Connection::FitsEngine(beside)) {
            fill(Database::OpenDatabase(beside, false), modem);
        } else {
            // The engine cannot reach the folder: the file is built where it can and copied.
            const TemporaryFolder work;
            if (!work.IsValid())
                throw inTemporaryFolder(path, beside, work, QStringLiteral("cannot be used: ") + work.Problem());
            // Errors there name the file built, in the temporary folder.
            const QString built = work.FilePath(QStringLiteral("save.db"));
            try {
                fill(Database::CreateDatabase(built), modem);
            } catch (const RuntimeError& error) {
                // A value the format refuses is the configuration's, wherever the file is built.
                if (error.Number() == DatabaseError::FieldOverflow) throw;
                throw inTemporaryFolder(path, beside, work, QStringLiteral("failed: ") + error.Description());
            }
            replacement->Fill(built);
        }
        replacement->Commit();
    } catch (const RuntimeError& error) {
        throw aboutTheChosenFile(error, replacement ? replacement->Temporary() : QString(), path);
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
