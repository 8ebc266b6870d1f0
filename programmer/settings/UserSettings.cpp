#include "UserSettings.h"

#include <QSettings>


QString UserSettings::GetSetting(const QString& section, const QString& key, const QString& defaultValue)
{
    QSettings settings(QStringLiteral("ZenvoProgrammer"), QStringLiteral("ZenvoProgrammer"));
    return settings.value(section + QLatin1Char('/') + key, defaultValue).toString();
}

void UserSettings::SaveSetting(const QString& section, const QString& key, const QString& value)
{
    QSettings settings(QStringLiteral("ZenvoProgrammer"), QStringLiteral("ZenvoProgrammer"));
    settings.setValue(section + QLatin1Char('/') + key, value);
    settings.sync();
}
