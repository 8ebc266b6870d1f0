#include "RadioSpec.h"

#include "CheckedRow.h"
#include "Database.h"
#include "Prompt.h"
#include "RuntimeError.h"

RadioSpec::RadioSpec(RadioSpecSource source) : source_(std::move(source)) {}

void RadioSpec::GetRadioSpec(int16_t RType)
{
    ErrorCode = false;
    try {
        // Read-only: a lookup leaves the database and its folder as they were.
        Database db = Database::OpenDatabase(source_.DatabasePath, true);
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
// Each value is held to what the drivers do with it: all are finite, the channel
// step and the reference divide, the lock time goes out as one byte, and the
// power curves take square roots of the coefficients A (0 stands for the standard one).
void RadioSpec::readRow(Recordset& rs, int16_t RType)
{
    using Range = CheckedRow::Range;
    const CheckedRow row(rs, QStringLiteral("radio"));
    const Range frequency = Range::AtLeast(0);
    MaxTXFreq = row.Double(QStringLiteral("MaxTXFreq"), frequency);
    MinTXFreq = row.Double(QStringLiteral("MinTXFreq"), frequency);
    MaxRXFreq = row.Double(QStringLiteral("MaxRXFreq"), frequency);
    MinRXFreq = row.Double(QStringLiteral("MinRXFreq"), frequency);
    FixedFreq = row.Boolean(QStringLiteral("FixedFreq"));
    RefCrystal = row.Double(QStringLiteral("RefCrystal"), Range::Above(0));
    PhaseFreq = row.Double(QStringLiteral("PhaseFreq"), Range::Above(0));
    FirstIF = row.Double(QStringLiteral("FirstIF"));
    SynthLockTime = row.Int16(QStringLiteral("SynthLockTime"), Range::Between(0, 255));
    SynthCtl = row.Int32(QStringLiteral("SynthCtl"));
    const int32_t func = row.Int16(QStringLiteral("Func"));
    TXPowA = row.Double(QStringLiteral("TXPowA"), Range::AtLeast(0));
    TXPowB = row.Double(QStringLiteral("TXPowB"));
    AlarmPowA = row.Double(QStringLiteral("AlarmPowA"), Range::AtLeast(0));
    AlarmPowB = row.Double(QStringLiteral("AlarmPowb"));

    // A zero coefficient means the row leaves it to the standard power curve.
    if (TXPowA == 0) TXPowA = 4.4;
    if (TXPowB == 0) TXPowB = 5.0;
    if (AlarmPowA == 0) AlarmPowA = 4.4;
    if (AlarmPowB == 0) AlarmPowB = 5.0;

    MinTXPower = row.Int16(QStringLiteral("MinTxPower"), Range::Between(0, 7000));
    MaxTXPower = 7000;
    RXBs = (func & 2) == 2;
    TXBs = (func & 1) != 0;
    TXPwrDAC = (func & 4) == 4;
    SynthType = (func >> 3) & 3;
    RadioType = RType;
    MinAlarmPow = 0;
    MaxAlarmPow = 4000;
}
