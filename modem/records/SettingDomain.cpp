#include "SettingDomain.h"

#include "CodeTables.h"
#include "ModemSetting.h"

#include <cmath>
#include <functional>
#include <vector>

namespace {

using CodeTables::CodeText;

struct Coded {
    QString Name;
    std::function<int(const ModemSetting&)> Value;
    std::function<bool(int)> Holds;
};

struct Text {
    QString Name;
    std::function<const QString&(const ModemSetting&)> Value;
    int MaxLength;
};

struct Number {
    QString Name;
    std::function<double(const ModemSetting&)> Value;
};

std::function<bool(int)> oneOf(std::span<const CodeText> table)
{
    return [table](int code) { return CodeTables::Contains(table, code); };
}

bool isByte(int code) { return code >= 0 && code <= 255; }

// Bit 0 tells the remote from the master; the other bits are the function.
bool isSupervision(int code) { return code >= 0 && CodeTables::Contains(CodeTables::SupervisionFunctions, code & ~1); }

const std::vector<Coded>& codedMembers()
{
    static const std::vector<Coded> members = [] {
        std::vector<Coded> c;
        c.push_back({QStringLiteral("ModemType"), [](const ModemSetting& m) { return m.ModemType; }, isByte});
        c.push_back({QStringLiteral("TXRadio.RadioType"), [](const ModemSetting& m) { return m.TXRadio.RadioType; },
                     isByte});
        c.push_back({QStringLiteral("RXRadio.RadioType"), [](const ModemSetting& m) { return m.RXRadio.RadioType; },
                     isByte});
        const struct {
            const char* name;
            PortSetting ModemSetting::*port;
        } ports[] = {{"PortA.", &ModemSetting::PortA}, {"PortB.", &ModemSetting::PortB}};
        for (const auto& p : ports) {
            const QString prefix = QLatin1String(p.name);
            auto add = [&](const char* name, int16_t PortSetting::*member, std::span<const CodeText> table) {
                c.push_back({prefix + QLatin1String(name),
                             [port = p.port, member](const ModemSetting& m) { return (m.*port).*member; },
                             oneOf(table)});
            };
            add("CommSpeed", &PortSetting::CommSpeed, CodeTables::CommSpeeds);
            add("Parity", &PortSetting::Parity, CodeTables::Parities);
            add("DataBit", &PortSetting::DataBit, CodeTables::DataBits);
            add("StopBit", &PortSetting::StopBit, CodeTables::StopBits);
            add("SIDType", &PortSetting::SIDType, CodeTables::SIDTypes);
            add("HandShake", &PortSetting::HandShake, CodeTables::HandShakes);
        }
        c.push_back({QStringLiteral("PTTControl"), [](const ModemSetting& m) { return int(m.PTTControl); },
                     oneOf(CodeTables::PTTControls)});
        c.push_back({QStringLiteral("CAvoid"), [](const ModemSetting& m) { return m.CAvoid; }, isSupervision});
        return c;
    }();
    return members;
}

const std::vector<Text>& textMembers()
{
    using D = SettingDomain;
    static const std::vector<Text> members = {
        {QStringLiteral("Firmware"), [](const ModemSetting& m) -> const QString& { return m.Firmware; },
         D::ModemFirmwareLength},
        {QStringLiteral("SerialNo"), [](const ModemSetting& m) -> const QString& { return m.SerialNo; },
         D::SerialNoLength},
        {QStringLiteral("TXRadio.Firmware"), [](const ModemSetting& m) -> const QString& { return m.TXRadio.Firmware; },
         D::RadioFirmwareLength},
        {QStringLiteral("TXRadio.SerialNo"), [](const ModemSetting& m) -> const QString& { return m.TXRadio.SerialNo; },
         D::SerialNoLength},
        {QStringLiteral("RXRadio.Firmware"), [](const ModemSetting& m) -> const QString& { return m.RXRadio.Firmware; },
         D::RadioFirmwareLength},
        {QStringLiteral("RXRadio.SerialNo"), [](const ModemSetting& m) -> const QString& { return m.RXRadio.SerialNo; },
         D::SerialNoLength},
    };
    return members;
}

const std::vector<Number>& numberMembers()
{
    static const std::vector<Number> members = {
        {QStringLiteral("TXRadio.TXFreq"), [](const ModemSetting& m) { return m.TXRadio.TXFreq; }},
        {QStringLiteral("TXRadio.RXFreq"), [](const ModemSetting& m) { return m.TXRadio.RXFreq; }},
        {QStringLiteral("TXRadio.RXMinSig"), [](const ModemSetting& m) { return m.TXRadio.RXMinSig; }},
        {QStringLiteral("RXRadio.TXFreq"), [](const ModemSetting& m) { return m.RXRadio.TXFreq; }},
        {QStringLiteral("RXRadio.RXFreq"), [](const ModemSetting& m) { return m.RXRadio.RXFreq; }},
        {QStringLiteral("RXRadio.RXMinSig"), [](const ModemSetting& m) { return m.RXRadio.RXMinSig; }},
    };
    return members;
}

}  // namespace

QStringList SettingDomain::Outside(const ModemSetting& setting)
{
    QStringList outside;
    for (const Coded& member : codedMembers())
        if (!member.Holds(member.Value(setting))) outside << member.Name;
    for (const Text& member : textMembers())
        if (member.Value(setting).size() > member.MaxLength) outside << member.Name;
    for (const Number& member : numberMembers())
        if (!std::isfinite(member.Value(setting))) outside << member.Name;
    return outside;
}
