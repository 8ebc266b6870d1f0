#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// SQL on a file from a connection of the test's own, never through the program's
// database service: what the file holds, as text ("NULL" for a Null).
namespace SqlFile {

QList<QStringList> Rows(const QString& path, const QString& sql);
// Runs the statements; false, with a test failure, when one fails.
bool Run(const QString& path, const QStringList& statements);

}  // namespace SqlFile
