#include "UserSettings.h"

#include <QSettings>

QString UserSettings::GetSetting(const QString& section, const QString& key, const QString& defaultValue)
{
    QSettings settings(QStringLiteral("ZenvoProgrammer"), QStringLiteral("ZenvoProgrammer"));
    return settings.value(section + QLatin1Char('/') + key, defaultValue).toString();
}

bool UserSettings::SaveSetting(const QString& section, const QString& key, const QString& value)
{
    QSettings settings(QStringLiteral("ZenvoProgrammer"), QStringLiteral("ZenvoProgrammer"));
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
