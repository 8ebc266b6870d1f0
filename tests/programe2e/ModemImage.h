#pragma once

#include "SimProfile.h"

#include <QString>
#include <QStringList>

// Where a byte of the simulated modem lives: its own memory or one of its radios'.
enum class MemoryBank { Modem, TxRadio, RxRadio };

// A byte the modem should hold.
struct ByteValue {
    MemoryBank bank;
    int address;
    int value;
};

// Every memory of a simulated modem, from a profile or from modemsim's --dump.
class ModemImage {
public:
    // An image that is not valid when the file cannot be read or parsed.
    static ModemImage Load(const QString& path);

    bool IsValid() const { return valid_; }
    const QString& Error() const { return error_; }

    void Set(const ByteValue& byte);
    // The check word at 0xFD..0xFE made right for the bytes it covers, as the
    // modem's repair command leaves it.
    void FixCheckWord() { profile_.FixCheckWord(); }

    // One line for each byte that differs, "modem 8E: 04 -> 86" (this -> other).
    QStringList DifferencesTo(const ModemImage& other) const;

private:
    SimProfile profile_;
    bool valid_ = false;
    QString error_;
};
