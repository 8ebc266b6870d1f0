#pragma once

#include "Connection.h"
#include "Recordset.h"
#include "TableDef.h"

#include <memory>

// An open database file.
class Database {
public:
    // Opens an existing file, read and write unless ReadOnly; a missing file is an error.
    static Database OpenDatabase(const QString& path, bool ReadOnly = false);
    // Creates a new, empty file and opens it; a path without an extension gets
    // ".mdb". An existing file is an error and stays as it was.
    static Database CreateDatabase(const QString& path);

    Database(Database&&) noexcept = default;
    Database& operator=(Database&& other) noexcept;
    ~Database();

    // A query text, or the name of a table for all its rows (a table's record set
    // can add rows).
    Recordset OpenRecordset(const QString& sqlOrTableName);
    // Creates the table with its fields in their order: no key, no index.
    void AppendTableDef(const TableDef& table);
    // Runs a statement that returns no rows (an action query or a pragma).
    void Execute(const QString& sql);
    // Ends the connection; record sets of this database can no longer be used.
    void Close();

    // The Qt connection name, unique to this open database; empty once closed.
    QString ConnectionName() const;

private:
    explicit Database(std::shared_ptr<Connection> connection);

    std::shared_ptr<Connection> connection_;
};
