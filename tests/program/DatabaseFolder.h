#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A program folder of one test's own: a copy of the built Modem.mdb that the test
// may change, or no database at all.
class DatabaseFolder {
public:
    enum Content { CopyOfModemMdb, Empty };
    explicit DatabaseFolder(Content content = CopyOfModemMdb);

    QString Path() const { return dir_.path(); }
    QString DatabasePath() const { return dir_.filePath(QStringLiteral("Modem.mdb")); }
    // Runs SQL statements on the copy.
    void Run(const QStringList& statements) const;

private:
    QTemporaryDir dir_;
};
