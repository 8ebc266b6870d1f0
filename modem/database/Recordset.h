#pragma once

#include "Connection.h"
#include "DataType.h"

#include <QList>
#include <QVariant>
#include <cstdint>
#include <memory>
#include <optional>

// The rows of one query or table, read in full when opened and on Requery, with a
// current row. A table's record set also adds rows: AddNew, SetField, Update.
class Recordset {
public:
    // A query's rows; with a table name, the table's rows, which can be added to.
    Recordset(std::shared_ptr<Connection> connection, const QString& sql, const QString& table = QString());

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

    // Starts a new row with every field Null. A query's record set is read-only.
    void AddNew();
    // Sets a field of the new row (name matched without regard to case), converted
    // to the field's declared type: Booleans are stored as 1 and 0, a number that
    // does not fit an Integer (16-bit) or Long (32-bit) field is refused.
    void SetField(const QString& name, const QVariant& value);
    // Stores the new row; the first row is current afterwards.
    void Update();

    const QStringList& Columns() const { return result_.Columns; }
    // The file the rows come from.
    QString DatabasePath() const { return path_; }

private:
    struct NewField {
        QString Name;
        std::optional<DataType> Type;
        QVariant Value;
    };

    void requireOpen() const;

    std::shared_ptr<Connection> connection_;
    QString path_;
    QString sql_;
    QString table_;
    Connection::Result result_;
    qsizetype position_ = 0;
    // The row being added, between AddNew and Update.
    std::optional<QList<NewField>> newRow_;
};
