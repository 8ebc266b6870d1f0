#pragma once

#include "CheckedRow.h"
#include "Database.h"

#include <QObject>
#include <QVariant>
#include <optional>

// A window's data source over a read-only database: a database name, a query
// text as its record source, and the current row of the last refresh.
class DataControl : public QObject {
public:
    DataControl(const QString& name, QObject* parent = nullptr);

    QString DatabaseName;
    QString RecordSource;

    // Runs the record source again (opening the database when its name changed);
    // the first row becomes current. Raises the database's error.
    void Refresh();
    bool HasRecords() const;
    bool Eof() const;
    void MoveFirst();
    void MoveNext();
    // The current row's value of the column (case does not matter).
    QVariant Field(const QString& name) const;
    // The current row, its values checked as they are read, named in the errors
    // by the table given (a query does not say). Valid until the next Refresh.
    CheckedRow Row(const QString& table) const;

private:
    std::optional<Database> database_;
    QString openName_;
    std::optional<Recordset> records_;
};
