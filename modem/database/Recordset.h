#pragma once

#include "Connection.h"

#include <QVariant>
#include <cstdint>
#include <memory>

// The rows of one query or table, read in full when opened and on Requery, with a
// current row. FindFirst, AddNew and Update are to come here for the configuration files.
class Recordset {
public:
    Recordset(std::shared_ptr<Connection> connection, const QString& sql);

    // Non-zero when there is at least one row.
    int32_t RecordCount() const;
    void MoveFirst();
    void MoveNext();
    // Past the last row (or no rows). Named so because EOF is a macro of <cstdio>.
    bool Eof() const;
    // Runs the query again and makes the first row current.
    void Requery();
    // The current row's value of the column, matched without regard to case.
    QVariant Field(const QString& name) const;
    void Close();

    const QStringList& Columns() const { return result_.Columns; }

private:
    void requireOpen() const;

    std::shared_ptr<Connection> connection_;
    QString sql_;
    Connection::Result result_;
    qsizetype position_ = 0;
};
