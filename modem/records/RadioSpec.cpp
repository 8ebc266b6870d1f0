#include "RadioSpec.h"

#include "Database.h"
#include "FieldValue.h"
#include "Prompt.h"
#include "RuntimeError.h"

RadioSpec::RadioSpec(RadioSpecSource source) : source_(std::move(source)) {}

void RadioSpec::GetRadioSpec(int16_t RType)
{
    ErrorCode = false;
    try {
        Database db = Database::OpenDatabase(source_.DatabasePath);
        const QString number = QString::number(RType);
        Recordset rs = db.OpenRecordset(QStringLiteral("select * from radio where LowerType<=") + number +
                                        QStringLiteral(" and hightype>=") + number);
        rs.Requery();
        if (rs.RecordCount() != 0)
            readRow(rs, RType);
        else
            SynthType = NoRow;
        rs.Close();
        db.Close();
    } catch (const RuntimeError& e) {
        const QString cr = QStringLiteral("\r");
        const QString text = QStringLiteral("Error No: ") + QString::number(e.Number()) + cr + cr + e.Description() +
                             cr + cr + QStringLiteral("Error Finding Database entry for the current Modem Type.") +
                             cr + cr + QStringLiteral("Call ") + source_.ContactName;
        if (source_.prompt) source_.prompt->Show(text, source_.Title, MsgButtons::OK, MsgIcon::None);
        ErrorCode = true;
    }
}

// Member by member, so that a failing column leaves the ones before it filled.
void RadioSpec::readRow(Recordset& rs, int16_t RType)
{
    using namespace FieldValue;
    MaxTXFreq = ToDouble(rs.Field(QStringLiteral("MaxTXFreq")));
    MinTXFreq = ToDouble(rs.Field(QStringLiteral("MinTXFreq")));
    MaxRXFreq = ToDouble(rs.Field(QStringLiteral("MaxRXFreq")));
    MinRXFreq = ToDouble(rs.Field(QStringLiteral("MinRXFreq")));
    FixedFreq = ToBoolean(rs.Field(QStringLiteral("FixedFreq")));
    RefCrystal = ToDouble(rs.Field(QStringLiteral("RefCrystal")));
    PhaseFreq = ToDouble(rs.Field(QStringLiteral("PhaseFreq")));
    FirstIF = ToDouble(rs.Field(QStringLiteral("FirstIF")));
    SynthLockTime = ToInt16(rs.Field(QStringLiteral("SynthLockTime")));
    SynthCtl = ToInt32(rs.Field(QStringLiteral("SynthCtl")));
    const int32_t func = ToInt16(rs.Field(QStringLiteral("Func")));
    TXPowA = ToDouble(rs.Field(QStringLiteral("TXPowA")));
    TXPowB = ToDouble(rs.Field(QStringLiteral("TXPowB")));
    AlarmPowA = ToDouble(rs.Field(QStringLiteral("AlarmPowA")));
    AlarmPowB = ToDouble(rs.Field(QStringLiteral("AlarmPowb")));

    // A zero coefficient means the row leaves it to the standard power curve.
    if (TXPowA == 0) TXPowA = 4.4;
    if (TXPowB == 0) TXPowB = 5.0;
    if (AlarmPowA == 0) AlarmPowA = 4.4;
    if (AlarmPowB == 0) AlarmPowB = 5.0;

    MinTXPower = ToInt16(rs.Field(QStringLiteral("MinTxPower")));
    MaxTXPower = 7000;
    RXBs = (func & 2) == 2;
    TXBs = (func & 1) != 0;
    TXPwrDAC = (func & 4) == 4;
    SynthType = (func >> 3) & 3;
    RadioType = RType;
    MinAlarmPow = 0;
    MaxAlarmPow = 4000;
}
