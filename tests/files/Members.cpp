#include "Members.h"

#include "SettingFields.h"

namespace Members {

QMap<QString, QString> Of(const ModemSetting& setting)
{
    QMap<QString, QString> members;
    for (const SettingFields::Field& field : SettingFields::All()) members.insert(field.Name, field.Get(setting));
    return members;
}

QString Get(const ModemSetting& setting, const QString& member)
{
    for (const SettingFields::Field& field : SettingFields::All())
        if (field.Name == member) return field.Get(setting);
    return QString();
}

bool Set(ModemSetting& setting, const QString& member, const QString& value)
{
    return SettingFields::Apply(setting, member + QLatin1Char('=') + value);
}

QStringList Differences(const ModemSetting& expected, const ModemSetting& actual)
{
    QStringList differences;
    const QMap<QString, QString> want = Of(expected), got = Of(actual);
    for (auto it = want.begin(); it != want.end(); ++it)
        if (got.value(it.key()) != it.value())
            differences << it.key() + QStringLiteral(": expected ") + it.value() + QStringLiteral(", got ") +
                               got.value(it.key());
    return differences;
}

}  // namespace Members
