#pragma once

#include <QString>

// The user's settings of the program: application "ZenvoProgrammer", text values.
namespace UserSettings {

QString GetSetting(const QString& section, const QString& key, const QString& defaultValue);
void SaveSetting(const QString& section, const QString& key, const QString& value);

}  // namespace UserSettings
