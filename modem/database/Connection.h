#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QSqlRecord>
#include <QString>
#include <QStringList>

// One open database file under its own Qt connection name, shared by the database
// and its record sets so that a record set can tell when its database was closed.
class Connection {
public:
    struct Result {
        QStringList Columns;
        QList<QSqlRecord> Rows;
    };

    // Opens an existing file; raises when it is missing or not a database.
    // Read-only connections refuse every change to the file.
    explicit Connection(const QString& path, bool readOnly = false);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Runs a query and returns all its rows; raises when it fails or the
    // connection is closed.
    Result Select(const QString& sql);

    void Close();
    bool IsOpen() const { return open_; }
    const QString& Path() const { return path_; }
    const QString& Name() const { return name_; }

private:
    QString path_;
    QString name_;
    QSqlDatabase db_;
    bool open_ = false;
};
