#pragma once

#include "ModemSetting.h"
#include "QtPrinters.h"

#include <QMap>
#include <QString>

// A configuration's members by their dotted names ("TXRadio.SerialNo"), as text,
// so that tests can compare two configurations member by member.
namespace Members {

QMap<QString, QString> Of(const ModemSetting& setting);
// The member's value as text.
QString Get(const ModemSetting& setting, const QString& member);
// Sets the member from text; false for an unknown member or a value of the wrong type.
bool Set(ModemSetting& setting, const QString& member, const QString& value);
// The names of the members that differ, with both values.
QStringList Differences(const ModemSetting& expected, const ModemSetting& actual);

}  // namespace Members
