#include "DatabaseError.h"

#include <QSqlError>

namespace DatabaseError {

RuntimeError invalidUseOfNull() { return {InvalidUseOfNull, QStringLiteral("Invalid use of Null")}; }
RuntimeError noCurrentRecord() { return {NoCurrentRecord, QStringLiteral("No current record.")}; }

RuntimeError fileNotFound(const QString& path)
{
    return {FileNotFound, QStringLiteral("Could not find file '%1'.").arg(path)};
}

RuntimeError invalidFileName() { return {InvalidFileName, QStringLiteral("Not a valid file name.")}; }
RuntimeError driverMissing() { return {DriverMissing, QStringLiteral("Could not find installable ISAM.")}; }
RuntimeError itemNotFound() { return {ItemNotFound, QStringLiteral("Item not found in this collection.")}; }
RuntimeError objectClosed() { return {ObjectClosed, QStringLiteral("Object invalid or no longer set.")}; }
RuntimeError readOnly() { return {ReadOnly, QStringLiteral("Cannot update. Database or object is read-only.")}; }

RuntimeError updateWithoutAddNew()
{
    return {UpdateWithoutAddNew, QStringLiteral("Update or CancelUpdate without AddNew or Edit.")};
}

RuntimeError databaseExists() { return {DatabaseExists, QStringLiteral("Database already exists.")}; }

RuntimeError cannotCreate(const QString& path)
{
    return {CannotCreate, QStringLiteral("Cannot create the file '%1'. Make sure that its folder exists and that "
                                         "you may write in it.")
                              .arg(path)};
}

RuntimeError cannotOpen(const QString& path)
{
    return {CannotOpen, QStringLiteral("The database engine cannot open the file '%1'. It is already opened "
                                       "exclusively by another user, or you need permission to view its data.")
                            .arg(path)};
}

RuntimeError invalidName(const QString& name)
{
    return {InvalidName, QStringLiteral("'%1' is not a valid name.").arg(name)};
}

RuntimeError fieldDefinedTwice() { return {FieldDefinedTwice, QStringLiteral("Cannot define field more than once.")}; }

RuntimeError fieldOverflow(const QString& field, const QString& value, const QString& range)
{
    return {FieldOverflow,
            QStringLiteral("Numeric field overflow: the field '%1' holds %2, not %3.").arg(field, range, value)};
}

RuntimeError unusableValue(int number, const QString& cause, const QString& field, const QString& table,
                           const QString& database)
{
    return {number, QStringLiteral("%1 in the field '%2' of the table '%3' in %4.").arg(cause, field, table, database)};
}

namespace {

// SQLite's primary result codes that need a message of their own.
constexpr int SqliteBusy = 5;
constexpr int SqliteLocked = 6;
constexpr int SqliteReadOnly = 8;
constexpr int SqliteCantOpen = 14;
constexpr int SqliteNotADatabase = 26;

QString after(const QString& text, const QString& prefix)
{
    return text.mid(prefix.size()).trimmed();
}

}  // namespace

RuntimeError fromSql(const QSqlError& error, const QString& path, const QString& sql)
{
    const QString text = error.databaseText().isEmpty() ? error.driverText() : error.databaseText();
    const int code = error.nativeErrorCode().toInt() & 0xFF;  // extended codes keep the primary in the low byte

    static const QString noTable = QStringLiteral("no such table:");
    static const QString noColumn = QStringLiteral("no such column:");
    if (text.startsWith(noTable)) {
        return {TableNotFound, QStringLiteral("The database engine cannot find the input table or query '%1'. "
                                              "Make sure it exists and that its name is spelled correctly.")
                                   .arg(after(text, noTable))};
    }
    if (text.startsWith(noColumn))
        return {UnknownName, QStringLiteral("Unknown name '%1' in the query.").arg(after(text, noColumn))};
    if (text.contains(QStringLiteral("syntax error")))
        return {SyntaxError, QStringLiteral("Syntax error in query expression '%1'.").arg(sql)};

    switch (code) {
    case SqliteNotADatabase:
        return {UnrecognizedFormat, QStringLiteral("Unrecognized database format '%1'.").arg(path)};
    case SqliteBusy:
    case SqliteLocked: return {Locked, QStringLiteral("Could not update; currently locked.")};
    case SqliteReadOnly: return readOnly();
    case SqliteCantOpen: return cannotOpen(path);
    default: return {GeneralError, text.isEmpty() ? QStringLiteral("Database error.") : text};
    }
}

}  // namespace DatabaseError
