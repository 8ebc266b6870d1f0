#pragma once

#include <QString>
#include <QStringList>

// What a program writing a database in rollback-journal mode leaves when it
// dies in the middle of a transaction: the changed pages already in the file,
// the old ones in its -journal, nothing committed.
namespace CrashedWriter {

// Runs the statements in one transaction on the file at source, puts its changed
// pages into the file, and copies the file and its -journal to path as the crash
// left them; source itself is rolled back. False, with a test failure, when that
// cannot be done.
bool Leave(const QString& source, const QStringList& statements, const QString& path);

}  // namespace CrashedWriter
