#pragma once

#include "Database.h"

#include <QString>

class ModemSetting;
class RadioSpec;

// A configuration file: an SQLite file with the one table ModemSetting (no key,
// no index) whose one row of 74 fields holds one modem configuration. The fields,
// their order and their declared types are the file format.
class ConfigurationFile {
public:
    // What every saved file holds in ProgrammerVersion; no other version is read.
    static constexpr double FormatVersion = 3.0;
    static const QString TableName;

    // Writes the configuration to path: complete under a temporary name in the same
    // folder first, then renamed over path, so that a failed write leaves the file
    // at path as it was and nothing else behind. It is built there, and only where
    // the path is too long for SQLite in the system's temporary folder and copied. What is replaced is the entry at
    // path: a link there gives way to the file and the file it names keeps every
    // byte. A file at path that the user may not write is not replaced; one
    // replaced keeps its mode, and its owner and group as far as the user may set
    // them. The old file's -wal, -shm and -journal go with it. A number that is
    // not finite is refused. Raises the database's or the file system's error,
    // naming path.
    static void Write(const ModemSetting& modem, const QString& path);

    // Opens the file read-only at the first row of its table, as its writers left
    // it (committed changes in its -wal included, a transaction that its -journal
    // shows unfinished rolled back on a private copy). A path that names no
    // file opens its ".mdb" file when there is one (Save keeps its names without the
    // extension). Raises when the file is missing, is no configuration file or has
    // no row; a file that SQLite cannot read is named as one this program cannot read.
    static ConfigurationFile Open(const QString& path);
    // The path that Open opens for the path given.
    static QString Resolved(const QString& path);

    ConfigurationFile(ConfigurationFile&&) noexcept = default;
    ConfigurationFile& operator=(ConfigurationFile&&) noexcept = default;

    // ProgrammerVersion is 3; Null is not. Raises when the field is missing or is
    // not a number.
    bool HasFormatVersion() const;

    // The whole configuration, field by field in the open command's order, with the
    // transmit radio's limits looked up in Modem.mdb on the way. The radios' serial
    // numbers, trim flags and DiagsEditable may be missing or Null (they default);
    // any other field that is missing, Null or out of its member's range raises,
    // and the members read before it keep their new values.
    void Read(ModemSetting& modem, RadioSpec& spec) const;

    // The settings of a defaults file: the ports, the transmitter's trim, power and
    // timing, the receiver's trim and the modem's supervision, SID and PTT fields.
    // The frequencies become the centres of the radios' bands; the identity of the
    // configuration stays. Any error raises at once, keeping what was read so far.
    void ReadDefaults(ModemSetting& modem, RadioSpec& spec) const;

    void Close();

private:
    ConfigurationFile(Database database, Recordset records);

    Database database_;
    Recordset records_;
};
