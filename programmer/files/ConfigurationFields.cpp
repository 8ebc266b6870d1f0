#include "ConfigurationFields.h"

#include "ConfigurationFile.h"
#include "FieldValue.h"
#include "ModemSetting.h"
#include "RadioSpec.h"

#include <algorithm>
#include <type_traits>

namespace {

using Field = ConfigurationFields::Field;
using OnOpen = ConfigurationFields::OnOpen;
using InDefaults = ConfigurationFields::InDefaults;

template <typename T>
QVariant stored(const T& value)
{
    if constexpr (std::is_same_v<T, int16_t>) return int(value);
    // A Null text would come back as a field without a value, which the open command refuses.
    else if constexpr (std::is_same_v<T, QString>) return value.isNull() ? QStringLiteral("") : value;
    else return QVariant::fromValue(value);
}

// The open command's conversions: by the member's type.
template <typename T>
T converted(const QVariant& value)
{
    if constexpr (std::is_same_v<T, int16_t>) return FieldValue::ToInt16(value);
    else if constexpr (std::is_same_v<T, int32_t>) return FieldValue::ToInt32(value);
    else if constexpr (std::is_same_v<T, bool>) return FieldValue::ToBoolean(value);
    else if constexpr (std::is_same_v<T, double>) return FieldValue::ToDouble(value);
    else return FieldValue::ToText(value);
}

// The member a field holds: a member of the configuration, or of one of its
// ports or radios.
struct Holds {
    std::function<QVariant(const ModemSetting&)> Stored;
    std::function<void(ModemSetting&, const QVariant&)> Load;
};

template <typename T>
Holds modem(T ModemSetting::*member)
{
    return {[member](const ModemSetting& m) { return stored(m.*member); },
            [member](ModemSetting& m, const QVariant& v) { m.*member = converted<T>(v); }};
}

template <typename Part, typename T>
Holds of(Part ModemSetting::*part, T Part::*member)
{
    return {[part, member](const ModemSetting& m) { return stored((m.*part).*member); },
            [part, member](ModemSetting& m, const QVariant& v) { (m.*part).*member = converted<T>(v); }};
}

class Table {
public:
    void Add(int column, const QString& name, DataType type, Holds holds, InDefaults defaults = InDefaults::Skipped)
    {
        fields_.push_back({column, name, type, std::move(holds.Stored), std::move(holds.Load), OnOpen::Required,
                           QVariant(), defaults});
    }
    // Missing, Null or unreadable: the member keeps the default.
    void AddOptional(int column, const QString& name, DataType type, Holds holds, const QVariant& fallback)
    {
        Add(column, name, type, std::move(holds));
        fields_.back().Open = OnOpen::Optional;
        fields_.back().Default = fallback;
    }
    void Then(void (*afterOpen)(ModemSetting&, RadioSpec&)) { fields_.back().AfterOpen = afterOpen; }
    void CentredBy(void (*centre)(ModemSetting&, RadioSpec&))
    {
        fields_.back().Defaults = InDefaults::BandCentre;
        fields_.back().Centre = centre;
    }

    // A port's fifteen fields in the readers' order; port B's columns follow port A's
    // and PortBEnabled.
    void AddPort(const QString& prefix, PortSetting ModemSetting::*port, int firstColumn)
    {
        const DataType Long = DataType::Long, Boolean = DataType::Boolean;
        const InDefaults read = InDefaults::Read;
        auto add = [&](int offset, const char* name, DataType type, Holds holds) {
            Add(firstColumn + offset, prefix + QLatin1String(name), type, std::move(holds), read);
        };
        add(0, "Speed", Long, of(port, &PortSetting::CommSpeed));
        add(1, "DataBit", Long, of(port, &PortSetting::DataBit));
        add(3, "StopBit", Long, of(port, &PortSetting::StopBit));
        add(2, "Parity", Long, of(port, &PortSetting::Parity));
        add(4, "Packet", Long, of(port, &PortSetting::Packet));
        add(5, "Hand", Long, of(port, &PortSetting::HandShake));
        add(6, "EOMChar", Long, of(port, &PortSetting::EOMChar));
        add(7, "MaxFrame", Long, of(port, &PortSetting::MaxFrame));
        add(8, "CharTimer", Long, of(port, &PortSetting::CharTimer));
        add(9, "SID1", Long, of(port, &PortSetting::SID1));
        add(10, "SID2", Long, of(port, &PortSetting::SID2));
        add(11, "SIDType", Long, of(port, &PortSetting::SIDType));
        add(13, "ISLive", Boolean, of(port, &PortSetting::ISLive));
        add(12, "EOMEnable", Boolean, of(port, &PortSetting::EOMEnable));
        add(14, "ISSlip", Boolean, of(port, &PortSetting::ISSlip));
    }

    std::vector<Field> Fields() && { return std::move(fields_); }

private:
    std::vector<Field> fields_;
};

void lookUpTransmitRadio(ModemSetting& m, RadioSpec& spec) { spec.GetRadioSpec(m.TXRadio.RadioType); }

// Not stored: the transmit radio's power limits come from its row in the radio table.
void transmitLimits(ModemSetting& m, RadioSpec& spec)
{
    m.TXRadio.MaxTXPower = spec.MaxTXPower;
    m.TXRadio.MinTXPower = spec.MinTXPower;
    m.TXRadio.TrimAdjustable = false;
}

void transmitCentre(ModemSetting& m, RadioSpec& spec)
{
    spec.GetRadioSpec(m.TXRadio.RadioType);
    m.TXRadio.TXFreq = (spec.MinTXFreq + spec.MaxTXFreq) / 2;
}

void receiveCentre(ModemSetting& m, RadioSpec& spec)
{
    spec.GetRadioSpec(m.RXRadio.RadioType);
    m.RXRadio.RXFreq = (spec.MinRXFreq + spec.MaxRXFreq) / 2;
}

std::vector<Field> declared()
{
    const DataType Long = DataType::Long, Integer = DataType::Integer, Boolean = DataType::Boolean,
                   Double = DataType::Double, Text = DataType::Text;
    const InDefaults read = InDefaults::Read;
    const QString unreadSerial = QStringLiteral("------");
    using M = ModemSetting;
    using R = RadioSetting;
    auto tx = [](auto R::*member) { return of(&M::TXRadio, member); };
    auto rx = [](auto R::*member) { return of(&M::RXRadio, member); };

    Table t;
    t.AddPort(QStringLiteral("PortA"), &M::PortA, 1);
    t.AddPort(QStringLiteral("PortB"), &M::PortB, 17);
    t.Add(16, "PortBEnabled", Boolean, modem(&M::PortBEnabled), read);

    // Each radio keeps only its own direction: the transmit side of TXRadio and the
    // receive side of RXRadio.
    t.Add(33, "TXFreq", Double, tx(&R::TXFreq));
    t.CentredBy(transmitCentre);
    t.Add(38, "TXFreqTrim", Long, tx(&R::TXFreqTrim), read);
    t.Add(42, "TXTrimGain", Long, tx(&R::TXTrimGain));
    t.Add(34, "TXPower", Long, tx(&R::txpower), read);
    t.Add(35, "Powerhl", Boolean, tx(&R::PowerHL), read);
    t.Add(36, "TXDelay", Long, tx(&R::TXDelay), read);
    t.Add(37, "PowerAlarm", Long, tx(&R::PowerAlarm), read);
    t.Add(39, "TXType", Long, tx(&R::RadioType));
    t.Then(lookUpTransmitRadio);
    t.Add(71, "TXFirmware", Text, tx(&R::Firmware));
    t.Add(40, "TXminTCT", Long, tx(&R::MinTCT));
    t.Add(41, "TXmaxTCT", Long, tx(&R::MaxTCT));
    t.Then(transmitLimits);
    t.AddOptional(73, "TXSerial", Text, tx(&R::SerialNo), unreadSerial);
    t.AddOptional(43, "TXCanFreqTrim", Boolean, tx(&R::CanFreqTrim), true);

    t.Add(46, "RXType", Long, rx(&R::RadioType));
    t.Add(44, "RXFreq", Double, rx(&R::RXFreq));
    t.CentredBy(receiveCentre);
    t.Add(45, "RXFreqTrim", Long, rx(&R::RXFreqTrim), read);
    t.Add(49, "RXTrimGain", Long, rx(&R::RXTrimGain));
    t.Add(70, "RXFirmware", Text, rx(&R::Firmware));
    t.Add(47, "RXminTCT", Long, rx(&R::MinTCT));
    t.Add(48, "RXmaxTCT", Long, rx(&R::MaxTCT));
    t.AddOptional(74, "RXSerial", Text, rx(&R::SerialNo), unreadSerial);
    t.AddOptional(50, "RXCanFreqTrim", Boolean, rx(&R::CanFreqTrim), true);

    t.Add(32, "PTTTimeout", Long, modem(&M::PTTTimeout), read);
    t.Add(51, "firmware", Text, modem(&M::Firmware));
    t.Add(52, "SerialNo", Text, modem(&M::SerialNo));
    t.Add(53, "ModemType", Long, modem(&M::ModemType));
    t.Add(54, "ModemID", Long, modem(&M::ModemID));
    t.Add(56, "PTTControl", Long, modem(&M::PTTControl), read);
    t.Add(55, "CAvoid", Long, modem(&M::CAvoid), read);
    t.Add(57, "SIDCode", Boolean, modem(&M::SIDCode), read);
    t.Add(58, "DiagEnable", Boolean, modem(&M::DiagEnable));
    // Stored 16-bit: the field refuses what does not fit.
    t.Add(59, "DiagSID1", Integer, modem(&M::DiagSID1), read);
    t.Add(60, "DiagSID2", Integer, modem(&M::DiagSID2), read);
    t.Add(61, "NoOfSlot", Integer, modem(&M::NoOfSlot), read);
    t.Add(62, "TimePerSlot", Integer, modem(&M::TimePerSlot), read);
    t.Add(63, "TryBeforeTX", Boolean, modem(&M::TryBeforeTX), read);
    t.Add(64, "DiagRepeat", Boolean, modem(&M::DiagRepeat), read);
    t.Add(65, "RSSI", Integer, modem(&M::RSSI), read);
    t.Add(66, "HDX", Boolean, modem(&M::HDX));
    t.Add(67, "ExtRF", Boolean, modem(&M::ExtRF));
    t.Add(68, "BaudRate9600", Boolean, modem(&M::BaudRate9600));
    t.AddOptional(69, "DiagsEditable", Boolean, modem(&M::DiagsEditable), true);

    t.Add(72, "ProgrammerVersion", Double, {[](const M&) { return QVariant(ConfigurationFile::FormatVersion); }, {}});
    std::vector<Field> fields = std::move(t).Fields();
    fields.back().Open = OnOpen::NotRead;
    return fields;
}

}  // namespace

const std::vector<ConfigurationFields::Field>& ConfigurationFields::InReadingOrder()
{
    static const std::vector<Field> fields = declared();
    return fields;
}

const std::vector<ConfigurationFields::Field>& ConfigurationFields::InFileOrder()
{
    static const std::vector<Field> fields = [] {
        std::vector<Field> sorted = InReadingOrder();
        std::sort(sorted.begin(), sorted.end(), [](const Field& a, const Field& b) { return a.Column < b.Column; });
        return sorted;
    }();
    return fields;
}
