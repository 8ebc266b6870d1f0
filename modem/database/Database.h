#pragma once

#include "Connection.h"
#include "Recordset.h"

#include <memory>

// An open database file. CreateDatabase and CreateTableDef are to come here for
// the configuration files.
class Database {
public:
    // Opens an existing file, read and write unless ReadOnly; a missing file is an error.
    static Database OpenDatabase(const QString& path, bool ReadOnly = false);

    Database(Database&&) noexcept = default;
    Database& operator=(Database&& other) noexcept;
    ~Database();

    // A query text, or the name of a table for all its rows.
    Recordset OpenRecordset(const QString& sqlOrTableName);
    // Ends the connection; record sets of this database can no longer be used.
    void Close();

    // The Qt connection name, unique to this open database; empty once closed.
    QString ConnectionName() const;

private:
    explicit Database(std::shared_ptr<Connection> connection);

    std::shared_ptr<Connection> connection_;
};
