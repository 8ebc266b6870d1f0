#pragma once

#include "RuntimeError.h"

#include <QString>

class QSqlError;

// The errors the database service raises, numbered as the callers' messages expect.
namespace DatabaseError {

enum Number {
    InvalidUseOfNull = 94,
    GeneralError = 3000,
    NoCurrentRecord = 3021,
    FileNotFound = 3024,
    ReadOnly = 3027,
    CannotOpen = 3051,
    InvalidFileName = 3055,
    UnknownName = 3061,
    SyntaxError = 3075,
    TableNotFound = 3078,
    DriverMissing = 3170,
    Locked = 3218,
    ItemNotFound = 3265,
    UnrecognizedFormat = 3343,
    ObjectClosed = 3420,
};

RuntimeError invalidUseOfNull();
RuntimeError noCurrentRecord();
RuntimeError fileNotFound(const QString& path);
RuntimeError invalidFileName();
RuntimeError driverMissing();
RuntimeError itemNotFound();
RuntimeError objectClosed();

// A failed open or query, told apart by the engine's own code and text.
RuntimeError fromSql(const QSqlError& error, const QString& path, const QString& sql);

}  // namespace DatabaseError
