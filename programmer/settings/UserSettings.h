#pragma once

#include <QString>

// The user's settings of the program: application "ZenvoProgrammer", text values.
namespace UserSettings {

QString GetSetting(const QString& section, const QString& key, const QString& defaultValue);
// False when the settings file could not be written, or is anything but a regular
// file (a link to a device, say) and so is never written: the value is then lost at the end.
bool SaveSetting(const QString& section, const QString& key, const QString& value);
// The file the settings are kept in.
QString FileName();
// What the user is told when the settings of the session could not be written.
QString NotSavedText();

}  // namespace UserSettings
