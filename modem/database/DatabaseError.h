#pragma once

#include "RuntimeError.h"

#include <QString>

class QSqlError;

// The errors the database service raises, numbered as the callers' messages expect.
namespace DatabaseError {

enum Number {
    InvalidUseOfNull = 94,
    GeneralError = 3000,
    UpdateWithoutAddNew = 3020,
    NoCurrentRecord = 3021,
    FileNotFound = 3024,
    ReadOnly = 3027,
    CannotCreate = 3044,
    CannotOpen = 3051,
    InvalidFileName = 3055,
    UnknownName = 3061,
    InvalidName = 3125,
    SyntaxError = 3075,
    TableNotFound = 3078,
    DriverMissing = 3170,
    FieldDefinedTwice = 3191,
    DatabaseExists = 3204,
    Locked = 3218,
    ItemNotFound = 3265,
    UnrecognizedFormat = 3343,
    FieldOverflow = 3349,
    ObjectClosed = 3420,
};

RuntimeError invalidUseOfNull();
RuntimeError noCurrentRecord();
RuntimeError fileNotFound(const QString& path);
RuntimeError invalidFileName();
RuntimeError driverMissing();
RuntimeError itemNotFound();
RuntimeError objectClosed();
RuntimeError readOnly();
RuntimeError updateWithoutAddNew();
RuntimeError databaseExists();
RuntimeError cannotCreate(const QString& path);
RuntimeError cannotOpen(const QString& path);
RuntimeError invalidName(const QString& name);
RuntimeError fieldDefinedTwice();
// A value that the field's declared type cannot hold.
RuntimeError fieldOverflow(const QString& field, const QString& value, const QString& range);
// A value read from a database that the program cannot use, with the cause's own
// number (Null, type mismatch, overflow).
RuntimeError unusableValue(int number, const QString& cause, const QString& field, const QString& table,
                           const QString& database);

// A failed open or query, told apart by the engine's own code and text.
RuntimeError fromSql(const QSqlError& error, const QString& path, const QString& sql);

}  // namespace DatabaseError
