#pragma once

#include <QString>
#include <QStringList>

// SQLite's own C library on a file, as another program (the sqlite3 shell, a
// script) leaves it: in WAL mode, with the statements committed to its -wal and
// never checkpointed into the file, as when that program still has the file open
// or ended without closing it.
namespace WalFile {

// False, with a test failure, when a statement fails. Without keepIndex the -shm
// is removed too, as after a reboot (SQLite rebuilds it from the -wal).
bool Commit(const QString& path, const QStringList& statements, bool keepIndex = true);
// What the file holds as sqlite3 reads it, -wal included: the first column of the first row.
QString Value(const QString& path, const QString& sql);

}  // namespace WalFile
