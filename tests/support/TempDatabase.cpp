#include "TempDatabase.h"

#include "SqlFile.h"

#include <QFile>
#include <gtest/gtest.h>

TempDatabase::TempDatabase(const QStringList& statements)
{
    Run(statements);
}

void TempDatabase::Run(const QStringList& statements) const { SqlFile::Run(Path(), statements); }

void TempDatabase::CopyFrom(const QString& path) const
{
    QFile::remove(Path());
    EXPECT_TRUE(QFile::copy(path, Path())) << path.toStdString();
    QFile::setPermissions(Path(), QFile::permissions(Path()) | QFileDevice::WriteOwner);
}

void TempDatabase::CopyModemDatabaseWithout(int radioType) const
{
    CopyFrom(QStringLiteral(MODEM_DATABASE_PATH));
    const QString type = QString::number(radioType);
    Run({QStringLiteral("delete from radio where LowerType<=") + type + QStringLiteral(" and hightype>=") + type});
}

QStringList TempDatabase::RadioColumns()
{
    return {QStringLiteral("LowerType"),     QStringLiteral("hightype"),   QStringLiteral("MaxTXFreq"),
            QStringLiteral("MinTXFreq"),     QStringLiteral("MaxRXFreq"),  QStringLiteral("MinRXFreq"),
            QStringLiteral("FixedFreq"),     QStringLiteral("RefCrystal"), QStringLiteral("PhaseFreq"),
            QStringLiteral("FirstIF"),       QStringLiteral("SynthLockTime"), QStringLiteral("SynthCtl"),
            QStringLiteral("Func"),          QStringLiteral("TXPowA"),     QStringLiteral("TXPowB"),
            QStringLiteral("AlarmPowA"),     QStringLiteral("AlarmPowb"),  QStringLiteral("MinTxPower")};
}

QString TempDatabase::CreateRadio(const QStringList& without)
{
    QStringList columns;
    for (const QString& c : RadioColumns())
        if (!without.contains(c)) columns << c;
    return QStringLiteral("create table radio (%1)").arg(columns.join(QStringLiteral(", ")));
}

QString TempDatabase::InsertRadio(int lower, int high, const QMap<QString, QString>& values, const QStringList& without)
{
    QMap<QString, QString> row{
        {QStringLiteral("LowerType"), QString::number(lower)},
        {QStringLiteral("hightype"), QString::number(high)},
        {QStringLiteral("MaxTXFreq"), QStringLiteral("470.5")},
        {QStringLiteral("MinTXFreq"), QStringLiteral("450.25")},
        {QStringLiteral("MaxRXFreq"), QStringLiteral("469.75")},
        {QStringLiteral("MinRXFreq"), QStringLiteral("451.125")},
        {QStringLiteral("FixedFreq"), QStringLiteral("1")},
        {QStringLiteral("RefCrystal"), QStringLiteral("12800000")},
        {QStringLiteral("PhaseFreq"), QStringLiteral("12500")},
        {QStringLiteral("FirstIF"), QStringLiteral("45.1")},
        {QStringLiteral("SynthLockTime"), QStringLiteral("21")},
        {QStringLiteral("SynthCtl"), QStringLiteral("70000")},
        {QStringLiteral("Func"), QStringLiteral("13")},
        {QStringLiteral("TXPowA"), QStringLiteral("0")},
        {QStringLiteral("TXPowB"), QStringLiteral("3.5")},
        {QStringLiteral("AlarmPowA"), QStringLiteral("2.25")},
        {QStringLiteral("AlarmPowb"), QStringLiteral("0")},
        {QStringLiteral("MinTxPower"), QStringLiteral("150")},
    };
    for (auto it = values.begin(); it != values.end(); ++it) row[it.key()] = it.value();
    QStringList columns, sqlValues;
    for (const QString& c : RadioColumns()) {
        if (without.contains(c)) continue;
        columns << c;
        sqlValues << row.value(c);
    }
    return QStringLiteral("insert into radio (%1) values (%2)")
        .arg(columns.join(QStringLiteral(", ")), sqlValues.join(QStringLiteral(", ")));
}
