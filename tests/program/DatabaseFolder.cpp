#include "DatabaseFolder.h"

#include "SqlFile.h"

#include <QFile>
#include <gtest/gtest.h>

DatabaseFolder::DatabaseFolder(Content content)
{
    if (content == CopyOfModemMdb) {
        EXPECT_TRUE(QFile::copy(QStringLiteral(MODEM_DATABASE_PATH), DatabasePath()));
        QFile::setPermissions(DatabasePath(), QFile::ReadOwner | QFile::WriteOwner);
    }
}

void DatabaseFolder::Run(const QStringList& statements) const { SqlFile::Run(DatabasePath(), statements); }
