#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QSqlRecord>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <memory>

class TemporaryFolder;

// One open database file under its own Qt connection name, shared by the database
// and its record sets so that a record set can tell when its database was closed.
class Connection {
public:
    struct Result {
        QStringList Columns;
        QList<QSqlRecord> Rows;
    };

    enum class Mode {
        ReadWrite,  // an existing file
        ReadOnly,   // an existing file as its writers left it: changes committed to its -wal
                    // included, a transaction that a -journal shows unfinished rolled back on a
                    // private copy; the file is never changed, and every change is refused
        Create,     // a new file; an existing one is never touched
    };
    struct Column {
        QString Name;
        QString DeclaredType;
    };

    // Opens the file as the mode says; raises when an existing file is missing or
    // not a database, or when a new one exists already or cannot be made.
    explicit Connection(const QString& path, Mode mode = Mode::ReadWrite);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Runs a query and returns all its rows; raises when it fails or the
    // connection is closed.
    Result Select(const QString& sql);
    // Runs a statement that returns no rows, with its "?" placeholders bound to
    // the values in order; raises when it fails or the connection is closed.
    void Execute(const QString& sql, const QVariantList& values = {});
    // The table's columns in their order, with the types they were declared with.
    QList<Column> Columns(const QString& table);

    void Close();
    bool IsOpen() const { return open_; }
    // The longest path, links resolved, that SQLite opens in place, as the engine
    // in use says: a database whose journal's name would not fit is refused.
    static int EngineLongestPath();
    // Whether SQLite opens the file at the path (links resolved by the caller) in place.
    static bool FitsEngine(const QString& path);
    const QString& Path() const { return path_; }
    const QString& Name() const { return name_; }

private:
    void openAt(const QString& name, const QString& options, Mode mode);
    void openForReading(const QString& path);
    void openCopy(const QString& real, const QStringList& sides);

    QString path_;
    QString name_;
    QSqlDatabase db_;
    bool open_ = false;
    // A file read through a copy: where the copy is, kept while it is open.
    std::unique_ptr<TemporaryFolder> copy_;
};
