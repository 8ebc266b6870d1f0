#pragma once

#include <QStringList>

class ModemSetting;

// What the records and the modem can hold: a coded member one of its codes, a type
// code one byte, a text no more than the modem's field for it, a number a finite
// one. A configuration from outside (a file) can hold anything else, which the
// modem would get as a setting nobody chose.
class SettingDomain {
public:
    // The members outside, by their dotted names ("PortA.CommSpeed"): codes, then
    // texts, then numbers.
    static QStringList Outside(const ModemSetting& setting);

    // Three bytes shown as six hexadecimal digits.
    static constexpr int SerialNoLength = 6;
    // A radio's version byte as "H.L".
    static constexpr int RadioFirmwareLength = 3;
    // The modem's version text; as much as a text field of a configuration file holds.
    static constexpr int ModemFirmwareLength = 50;
};
