#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class ModemSetting;

// Every member of a configuration as "Name=value" text, sub-records with dotted
// prefixes, in declaration order; and the way back from such a line.
class SettingFields {
public:
    struct Field {
        QString Name;
        std::function<QString(const ModemSetting&)> Get;
        std::function<bool(ModemSetting&, const QString&)> Set;
    };

    static const std::vector<Field>& All();
    static QStringList Lines(const ModemSetting& setting);
    // False for an unknown name or a value that does not read as the member's type.
    static bool Apply(ModemSetting& setting, const QString& line);
};
