#include "UserSettings.h"

#include <QFile>
#include <QSettings>

#include <cerrno>
#include <sys/stat.h>

namespace {

// QSettings puts a new file in place of the one a link leads to: were that a
// device or a FIFO, the node itself would be replaced (as root, /dev/null).
bool regularOrMissing(const QString& path)
{
    struct stat target {};
    if (::stat(QFile::encodeName(path).constData(), &target) != 0) return errno == ENOENT;
    return S_ISREG(target.st_mode);
}

}  // namespace

QString UserSettings::GetSetting(const QString& section, const QString& key, const QString& defaultValue)
{
    QSettings settings(QStringLiteral("ZenvoProgrammer"), QStringLiteral("ZenvoProgrammer"));
    return settings.value(section + QLatin1Char('/') + key, defaultValue).toString();
}

bool UserSettings::SaveSetting(const QString& section, const QString& key, const QString& value)
{
    QSettings settings(QStringLiteral("ZenvoProgrammer"), QStringLiteral("ZenvoProgrammer"));
    if (!regularOrMissing(settings.fileName())) return false;
    settings.setValue(section + QLatin1Char('/') + key, value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

QString UserSettings::FileName()
{
    return QSettings(QStringLiteral("ZenvoProgrammer"), QStringLiteral("ZenvoProgrammer")).fileName();
}

QString UserSettings::NotSavedText()
{
    return QStringLiteral("The settings could not be written to the file '%1': the serial port, the folder and the "
                          "recent files of this session were not saved.")
        .arg(FileName());
}
