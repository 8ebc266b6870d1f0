#pragma once

#include "ModemSetting.h"

#include <QString>
#include <gtest/gtest.h>
#include <functional>
#include <vector>

// Every member of a record, with whether the copy operations carry it, so the tests
// can compare records member by member and name the member that differs.
template <class R>
struct Field {
    QString name;
    bool copied;
    std::function<bool(const R&, const R&)> same;
};

#define RECORD_FIELD(R, member, copied) \
    Field<R> { QStringLiteral(#member), copied, [](const R& a, const R& b) { return a.member == b.member; } }

// Distinct values for every member: numbers differ between members and between seeds,
// Booleans alternate between members and flip with the flag.
class FillValues {
public:
    FillValues(int seed, bool flag) : seed_(seed), flag_(flag) {}
    int number() { return 100 * ++index_ + seed_; }
    double real() { return number() + 0.125; }
    QString text() { return QStringLiteral("T") + QString::number(number()); }
    bool boolean() { return ((++index_ % 2) == 0) == flag_; }

private:
    int seed_;
    bool flag_;
    int index_ = 0;
};

inline void fill(PortSetting& p, int seed, bool flag)
{
    FillValues v(seed, flag);
    p.CommSpeed = v.number();
    p.Parity = v.number();
    p.DataBit = v.number();
    p.StopBit = v.number();
    p.Packet = v.number();
    p.CharTimer = v.number();
    p.MaxFrame = v.number();
    p.EOMChar = v.number();
    p.EOMEnable = v.boolean();
    p.ISLive = v.boolean();
    p.ISSlip = v.boolean();
    p.SID1 = v.number();
    p.SID2 = v.number();
    p.SIDType = v.number();
    p.HandShake = v.number();
}

inline void fill(RadioSetting& r, int seed, bool flag)
{
    FillValues v(seed, flag);
    r.RadioType = v.number();
    r.Firmware = v.text();
    r.TXFreq = v.real();
    r.RXFreq = v.real();
    r.TXFreqTrim = v.number();
    r.TXTrimGain = v.number();
    r.MinTCT = v.number();
    r.MaxTCT = v.number();
    r.RXFreqTrim = v.number();
    r.RXTrimGain = v.number();
    r.txpower = v.number();
    r.MinTXPower = v.number();
    r.MaxTXPower = v.number();
    r.TrimAdjustable = v.boolean();
    r.PowerHL = v.boolean();
    r.TXDelay = v.number();
    r.PowerAlarm = v.number();
    r.RXMinSig = v.real();
    r.CanFreqTrim = v.boolean();
    r.SerialNo = v.text();
    r.WriteTxPwr = v.boolean();
}

inline void fill(ModemSetting& m, int seed, bool flag)
{
    FillValues v(seed, flag);
    m.ModemType = v.number();
    m.ModemID = v.number();
    m.Firmware = v.text();
    m.SerialNo = v.text();
    fill(m.TXRadio, 10 * seed + 1, flag);
    fill(m.RXRadio, 10 * seed + 2, flag);
    fill(m.PortA, 10 * seed + 3, flag);
    fill(m.PortB, 10 * seed + 4, flag);
    m.HDX = v.boolean();
    m.ExtRF = v.boolean();
    m.BaudRate9600 = v.boolean();
    m.PortBEnabled = v.boolean();
    m.DiagEnable = v.boolean();
    m.DiagRepeat = v.boolean();
    m.DiagSID1 = v.number();
    m.DiagSID2 = v.number();
    m.DiagsEditable = v.boolean();
    m.NoOfSlot = v.number();
    m.TimePerSlot = v.number();
    m.TryBeforeTX = v.boolean();
    m.PTTControl = v.number();
    m.PTTTimeout = v.number();
    m.StreamCod = v.number();
    m.CAvoid = v.number();
    m.SIDCode = v.boolean();
    m.RSSI = v.number();
    m.WriteTxPwr = v.boolean();
}

inline std::vector<Field<PortSetting>> portFields()
{
    using P = PortSetting;
    return {
        RECORD_FIELD(P, CommSpeed, true), RECORD_FIELD(P, Parity, true),
        RECORD_FIELD(P, DataBit, true), RECORD_FIELD(P, StopBit, true),
        RECORD_FIELD(P, Packet, true), RECORD_FIELD(P, CharTimer, true),
        RECORD_FIELD(P, MaxFrame, true), RECORD_FIELD(P, EOMChar, true),
        RECORD_FIELD(P, EOMEnable, true), RECORD_FIELD(P, ISLive, true),
        RECORD_FIELD(P, ISSlip, true), RECORD_FIELD(P, SID1, true),
        RECORD_FIELD(P, SID2, true), RECORD_FIELD(P, SIDType, true),
        RECORD_FIELD(P, HandShake, true),
    };
}

inline std::vector<Field<RadioSetting>> radioFields()
{
    using R = RadioSetting;
    return {
        RECORD_FIELD(R, RadioType, true), RECORD_FIELD(R, Firmware, false),
        RECORD_FIELD(R, TXFreq, true), RECORD_FIELD(R, RXFreq, true),
        RECORD_FIELD(R, TXFreqTrim, true), RECORD_FIELD(R, TXTrimGain, false),
        RECORD_FIELD(R, MinTCT, false), RECORD_FIELD(R, MaxTCT, false),
        RECORD_FIELD(R, RXFreqTrim, true), RECORD_FIELD(R, RXTrimGain, false),
        RECORD_FIELD(R, txpower, true), RECORD_FIELD(R, MinTXPower, false),
        RECORD_FIELD(R, MaxTXPower, false), RECORD_FIELD(R, TrimAdjustable, false),
        RECORD_FIELD(R, PowerHL, true), RECORD_FIELD(R, TXDelay, true),
        RECORD_FIELD(R, PowerAlarm, true), RECORD_FIELD(R, RXMinSig, true),
        RECORD_FIELD(R, CanFreqTrim, false), RECORD_FIELD(R, SerialNo, true),
        RECORD_FIELD(R, WriteTxPwr, false),
    };
}

// The fields of a sub-record, reached through the modem record that owns it.
template <class Sub>
void addSubFields(std::vector<Field<ModemSetting>>& fields, const QString& prefix,
                  Sub ModemSetting::*member, const std::vector<Field<Sub>>& subFields)
{
    for (const Field<Sub>& f : subFields) {
        fields.push_back({prefix + u'.' + f.name, f.copied,
                          [member, same = f.same](const ModemSetting& a, const ModemSetting& b) {
                              return same(a.*member, b.*member);
                          }});
    }
}

inline std::vector<Field<ModemSetting>> modemFields()
{
    using M = ModemSetting;
    std::vector<Field<M>> fields = {
        RECORD_FIELD(M, ModemType, true), RECORD_FIELD(M, ModemID, true),
        RECORD_FIELD(M, Firmware, true), RECORD_FIELD(M, SerialNo, true),
        RECORD_FIELD(M, HDX, true), RECORD_FIELD(M, ExtRF, false),
        RECORD_FIELD(M, BaudRate9600, false), RECORD_FIELD(M, PortBEnabled, true),
        RECORD_FIELD(M, DiagEnable, false), RECORD_FIELD(M, DiagRepeat, true),
        RECORD_FIELD(M, DiagSID1, true), RECORD_FIELD(M, DiagSID2, true),
        RECORD_FIELD(M, DiagsEditable, false), RECORD_FIELD(M, NoOfSlot, true),
        RECORD_FIELD(M, TimePerSlot, true), RECORD_FIELD(M, TryBeforeTX, true),
        RECORD_FIELD(M, PTTControl, true), RECORD_FIELD(M, PTTTimeout, true),
        RECORD_FIELD(M, StreamCod, true), RECORD_FIELD(M, CAvoid, true),
        RECORD_FIELD(M, SIDCode, true), RECORD_FIELD(M, RSSI, true),
        RECORD_FIELD(M, WriteTxPwr, false),
    };
    addSubFields(fields, QStringLiteral("TXRadio"), &M::TXRadio, radioFields());
    addSubFields(fields, QStringLiteral("RXRadio"), &M::RXRadio, radioFields());
    addSubFields(fields, QStringLiteral("PortA"), &M::PortA, portFields());
    addSubFields(fields, QStringLiteral("PortB"), &M::PortB, portFields());
    return fields;
}

// What a radio's ClearAll must leave in an otherwise unchanged record.
inline void applyRadioClear(RadioSetting& r)
{
    r.TXFreq = 0;
    r.RXFreq = 0;
    r.TXFreqTrim = -1;
    r.RXFreqTrim = -1;
    r.PowerHL = true;
    r.TXDelay = -1;
    r.PowerAlarm = 0;
    r.SerialNo = QStringLiteral("000000");
    r.RXMinSig = -1.0;
}

enum class CopyWay { BackupTo, RestoreFrom };

inline const char* copyWayName(CopyWay way)
{
    return way == CopyWay::BackupTo ? "BackupTo" : "RestoreFrom";
}

// Copies source into target with the chosen operation of the record.
template <class R>
void copyRecord(CopyWay way, const R& source, R& target)
{
    if (way == CopyWay::BackupTo)
        source.BackupTo(target);
    else
        target.RestoreFrom(source);
}

// After a copy from source into a target that held before: the listed members hold
// the source's values, every other member still holds the target's own.
template <class R>
void expectCopied(const R& result, const R& source, const R& before, const std::vector<Field<R>>& fields)
{
    for (const Field<R>& f : fields) {
        SCOPED_TRACE(f.name.toStdString());
        ASSERT_FALSE(f.same(source, before)) << "source and target must differ in every member";
        if (f.copied)
            EXPECT_TRUE(f.same(result, source)) << "not copied";
        else
            EXPECT_TRUE(f.same(result, before)) << "copied but must not be";
    }
}

template <class R>
void expectSameMembers(const R& actual, const R& expected, const std::vector<Field<R>>& fields)
{
    for (const Field<R>& f : fields) {
        SCOPED_TRACE(f.name.toStdString());
        EXPECT_TRUE(f.same(actual, expected));
    }
}
