#pragma once

#include "Lumbrel.h"
#include "ModemFixture.h"
#include "Moskar.h"
#include "RadioSetting.h"
#include "Rudvik.h"

#include <QStringList>

#include <memory>
#include <vector>

// The driver with its radio table record open to the tests, so that a test can
// give it a value the modem database does not hold.
template <class Driver>
class Opened : public Driver {
public:
    using Driver::Driver;
    RadioSpec& spec() { return this->RadSpec; }
};

// Rudvik's synthesiser arithmetic, open to the tests.
class RudvikProbe : public Rudvik {
public:
    using Rudvik::ComputeSynthWord;
    using Rudvik::Rudvik;
};

using Bytes = std::vector<uint8_t>;
using Side = SimModem::Radio;

// A synthesised radio driver on the library's links and the simulated modem in
// command mode, with a radio behind "ST" and one behind "SR"; radio types are
// looked up in the modem database.
class SynthRadioFixture : public ModemFixture {
protected:
    static constexpr const char* ContactName = "Orvane Sypheral";
    static inline const QString ModemLink = "9600,N,8,1";
    static inline const QString RadioLink = "1200,N,8,1";

    SynthRadioFixture();

    template <class Driver>
    std::unique_ptr<Opened<Driver>> Make(int16_t type)
    {
        auto driver = std::make_unique<Opened<Driver>>(links);
        driver->Initialize(type);
        EXPECT_FALSE(driver->Spec().ErrorCode);
        EXPECT_TRUE(prompt.Boxes().isEmpty()) << prompt.Texts().join("|").toStdString();
        return driver;
    }

    // Puts a radio of the family behind the side, its memory all zero.
    void PlaceRadio(Side side, const char* family, uint8_t version, uint8_t loadStatus = 0x01);
    SimProfile::SimRadio& RadioOf(Side side);
    void SetRadioBytes(Side side, int address, const Bytes& bytes) { modem.SetRadioMemory(side, address, bytes); }
    int RadioByte(Side side, int address) const { return modem.RadioMemory(side, address); }
    Bytes RadioBytes(Side side, int address, int count) const;
    // "ST" or "SR", as the modem driver sends before it calls a radio driver.
    void Select(Side side);
    // The radio commands the side received since the test began, code first.
    size_t RadioCommandCount(Side side) const { return modem.RadioCommandLog(side).size(); }

    // The texts of the boxes shown since the last call; each must be an OK box
    // without icon under the given title.
    QStringList TakeTexts(const QString& title = "Radio Modem");
    // The port is back in the modem link's settings and open.
    void ExpectModemLink() const;
    void ExpectProgress(const QList<int>& values) const { EXPECT_EQ(progress.Values(), values); }

    QString Unrecoverable(bool forHelp) const;
    QString FatalReadError() const;
    QString PortError() const;
};
