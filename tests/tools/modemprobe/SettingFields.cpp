#include "SettingFields.h"

#include "ModemSetting.h"
#include "VbNumbers.h"

#include <limits>
#include <type_traits>

namespace {

template <typename T>
QString text(const T& value)
{
    if constexpr (std::is_same_v<T, bool>)
        return value ? QStringLiteral("True") : QStringLiteral("False");
    else if constexpr (std::is_same_v<T, double>)
        return vb::ShortestDecimal(value);
    else if constexpr (std::is_same_v<T, QString>)
        return value;
    else
        return QString::number(value);
}

template <typename T>
bool parse(const QString& s, T& out)
{
    if constexpr (std::is_same_v<T, bool>) {
        if (s == QStringLiteral("True")) out = true;
        else if (s == QStringLiteral("False")) out = false;
        else return false;
        return true;
    } else if constexpr (std::is_same_v<T, double>) {
        bool ok = false;
        out = s.toDouble(&ok);
        return ok;
    } else if constexpr (std::is_same_v<T, QString>) {
        out = s;
        return true;
    } else {
        bool ok = false;
        const qlonglong v = s.toLongLong(&ok);
        if (!ok || v < std::numeric_limits<T>::min() || v > std::numeric_limits<T>::max()) return false;
        out = T(v);
        return true;
    }
}

// A member reached through a sub-record accessor.
template <typename Record, typename T>
SettingFields::Field field(const QString& name, Record& (*record)(ModemSetting&), T Record::*member)
{
    return {name,
            [record, member](const ModemSetting& s) { return text(record(const_cast<ModemSetting&>(s)).*member); },
            [record, member](ModemSetting& s, const QString& v) { return parse(v, record(s).*member); }};
}

ModemSetting& whole(ModemSetting& s) { return s; }
RadioSetting& tx(ModemSetting& s) { return s.TXRadio; }
RadioSetting& rx(ModemSetting& s) { return s.RXRadio; }
PortSetting& portA(ModemSetting& s) { return s.PortA; }
PortSetting& portB(ModemSetting& s) { return s.PortB; }

#define RADIO_FIELDS(prefix, accessor)                                                                        \
    field(prefix "RadioType", accessor, &RadioSetting::RadioType),                                            \
        field(prefix "Firmware", accessor, &RadioSetting::Firmware),                                          \
        field(prefix "TXFreq", accessor, &RadioSetting::TXFreq),                                              \
        field(prefix "RXFreq", accessor, &RadioSetting::RXFreq),                                              \
        field(prefix "TXFreqTrim", accessor, &RadioSetting::TXFreqTrim),                                      \
        field(prefix "TXTrimGain", accessor, &RadioSetting::TXTrimGain),                                      \
        field(prefix "MinTCT", accessor, &RadioSetting::MinTCT), field(prefix "MaxTCT", accessor, &RadioSetting::MaxTCT), \
        field(prefix "RXFreqTrim", accessor, &RadioSetting::RXFreqTrim),                                      \
        field(prefix "RXTrimGain", accessor, &RadioSetting::RXTrimGain),                                      \
        field(prefix "txpower", accessor, &RadioSetting::txpower),                                            \
        field(prefix "MinTXPower", accessor, &RadioSetting::MinTXPower),                                      \
        field(prefix "MaxTXPower", accessor, &RadioSetting::MaxTXPower),                                      \
        field(prefix "TrimAdjustable", accessor, &RadioSetting::TrimAdjustable),                              \
        field(prefix "PowerHL", accessor, &RadioSetting::PowerHL),                                            \
        field(prefix "TXDelay", accessor, &RadioSetting::TXDelay),                                            \
        field(prefix "PowerAlarm", accessor, &RadioSetting::PowerAlarm),                                      \
        field(prefix "RXMinSig", accessor, &RadioSetting::RXMinSig),                                          \
        field(prefix "CanFreqTrim", accessor, &RadioSetting::CanFreqTrim),                                    \
        field(prefix "SerialNo", accessor, &RadioSetting::SerialNo),                                          \
        field(prefix "WriteTxPwr", accessor, &RadioSetting::WriteTxPwr)

#define PORT_FIELDS(prefix, accessor)                                                                         \
    field(prefix "CommSpeed", accessor, &PortSetting::CommSpeed),                                             \
        field(prefix "Parity", accessor, &PortSetting::Parity),                                               \
        field(prefix "DataBit", accessor, &PortSetting::DataBit),                                             \
        field(prefix "StopBit", accessor, &PortSetting::StopBit),                                             \
        field(prefix "Packet", accessor, &PortSetting::Packet),                                               \
        field(prefix "CharTimer", accessor, &PortSetting::CharTimer),                                         \
        field(prefix "MaxFrame", accessor, &PortSetting::MaxFrame),                                           \
        field(prefix "EOMChar", accessor, &PortSetting::EOMChar),                                             \
        field(prefix "EOMEnable", accessor, &PortSetting::EOMEnable),                                         \
        field(prefix "ISLive", accessor, &PortSetting::ISLive), field(prefix "ISSlip", accessor, &PortSetting::ISSlip), \
        field(prefix "SID1", accessor, &PortSetting::SID1), field(prefix "SID2", accessor, &PortSetting::SID2), \
        field(prefix "SIDType", accessor, &PortSetting::SIDType),                                             \
        field(prefix "HandShake", accessor, &PortSetting::HandShake)

}  // namespace

const std::vector<SettingFields::Field>& SettingFields::All()
{
    static const std::vector<Field> fields = {
        field("ModemType", whole, &ModemSetting::ModemType),
        field("ModemID", whole, &ModemSetting::ModemID),
        field("Firmware", whole, &ModemSetting::Firmware),
        field("SerialNo", whole, &ModemSetting::SerialNo),
        RADIO_FIELDS("TXRadio.", tx),
        RADIO_FIELDS("RXRadio.", rx),
        PORT_FIELDS("PortA.", portA),
        PORT_FIELDS("PortB.", portB),
        field("HDX", whole, &ModemSetting::HDX),
        field("ExtRF", whole, &ModemSetting::ExtRF),
        field("BaudRate9600", whole, &ModemSetting::BaudRate9600),
        field("PortBEnabled", whole, &ModemSetting::PortBEnabled),
        field("DiagEnable", whole, &ModemSetting::DiagEnable),
        field("DiagRepeat", whole, &ModemSetting::DiagRepeat),
        field("DiagSID1", whole, &ModemSetting::DiagSID1),
        field("DiagSID2", whole, &ModemSetting::DiagSID2),
        field("DiagsEditable", whole, &ModemSetting::DiagsEditable),
        field("NoOfSlot", whole, &ModemSetting::NoOfSlot),
        field("TimePerSlot", whole, &ModemSetting::TimePerSlot),
        field("TryBeforeTX", whole, &ModemSetting::TryBeforeTX),
        field("PTTControl", whole, &ModemSetting::PTTControl),
        field("PTTTimeout", whole, &ModemSetting::PTTTimeout),
        field("StreamCod", whole, &ModemSetting::StreamCod),
        field("CAvoid", whole, &ModemSetting::CAvoid),
        field("SIDCode", whole, &ModemSetting::SIDCode),
        field("RSSI", whole, &ModemSetting::RSSI),
        field("WriteTxPwr", whole, &ModemSetting::WriteTxPwr),
    };
    return fields;
}

QStringList SettingFields::Lines(const ModemSetting& setting)
{
    QStringList lines;
    for (const Field& f : All()) lines << f.Name + QLatin1Char('=') + f.Get(setting);
    return lines;
}

bool SettingFields::Apply(ModemSetting& setting, const QString& line)
{
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq < 0) return false;
    const QString name = line.left(eq).trimmed();
    for (const Field& f : All())
        if (f.Name == name) return f.Set(setting, line.mid(eq + 1));
    return false;
}
