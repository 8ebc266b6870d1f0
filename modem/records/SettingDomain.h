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
    // The modem's version text: the longest the control can read, a whole reply
    // "SV:VA" text and checksum. A file that Save wrote from a modem read opens again;
    // the file's text fields hold any length.
    static constexpr int ModemFirmwareLength = 1017;
};
