#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A SQLite file in a temporary folder, made from SQL statements for one test.
class TempDatabase {
public:
    explicit TempDatabase(const QStringList& statements = {});

    QString Path() const { return dir_.filePath(QStringLiteral("test.mdb")); }
    QString PathIn(const QString& name) const { return dir_.filePath(name); }
    // Runs more statements on the file, from a connection of its own.
    void Run(const QStringList& statements) const;
    // The file becomes a copy of the given one.
    void CopyFrom(const QString& path) const;
    // The file becomes the modem database that the build makes, less the row
    // that holds the radio type.
    void CopyModemDatabaseWithout(int radioType) const;

    // The columns of the radio table, in the modem database's order.
    static QStringList RadioColumns();
    // The radio table without the named columns.
    static QString CreateRadio(const QStringList& without = {});
    // A radio row: a 450 MHz row of Func 13, with the given columns' SQL values
    // replaced (for example "NULL" or "'abc'") and the named columns left out.
    static QString InsertRadio(int lower, int high, const QMap<QString, QString>& values = {},
                               const QStringList& without = {});

private:
    QTemporaryDir dir_;
};
