#include "TemporaryFolder.h"

#include <QDir>

#include <cerrno>
#include <cstring>

TemporaryFolder::TemporaryFolder() : location_(QDir::tempPath())
{
    // Qt has no path for a temporary folder that does not exist; nothing is made
    // elsewhere in its stead.
    if (location_.isEmpty()) {
        location_ = qEnvironmentVariable("TMPDIR");
        problem_ = QString::fromLocal8Bit(std::strerror(ENOENT));
        return;
    }
    dir_.emplace(QDir(location_).filePath(QStringLiteral("ZenvoProgrammer-XXXXXX")));
}
