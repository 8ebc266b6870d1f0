#pragma once

#include "Karsid.h"
#include "ModemFixture.h"
#include "ModemSetting.h"
#include "SimProfile.h"

#include <cstdio>
#include <string>
#include <vector>

// The modem driver on the simulated modem in command mode, radio types looked up
// in the modem database. The simulated modem is the built-in type 6 unless a test
// loads one of the external-radio profiles.
class KarsidFixture : public ModemFixture {
protected:
    KarsidFixture() { context.DatabasePath = MODEM_DATABASE_PATH; }

    // Plays the named profile from the simulator's folder, freshly powered up, then
    // enters command mode.
    void UseProfile(const char* name)
    {
        modem.Profile() = SimProfile::Load(std::string(SIM_PROFILES_DIR) + "/" + name + ".profile");
        modem.PowerCycle(clock.NowMs());
        EnterCommandMode();
    }

    // Creates both radio drivers for the given types and expects it to work quietly.
    void Create(int16_t tx, int16_t rx)
    {
        txType = tx;
        rxType = rx;
        driver.CreatModem(0, txType, rxType, port);
        ASSERT_TRUE(driver.Working) << prompt.Texts().join(" | ").toStdString();
        ASSERT_TRUE(prompt.Boxes().isEmpty()) << prompt.Texts().join(" | ").toStdString();
    }

    // Reads the whole configuration and expects it to work quietly.
    ModemSetting ReadAll()
    {
        ModemSetting setting;
        driver.ReadModemSetting(port, setting);
        EXPECT_TRUE(driver.Working) << prompt.Texts().join(" | ").toStdString();
        EXPECT_TRUE(prompt.Boxes().isEmpty()) << prompt.Texts().join(" | ").toStdString();
        return setting;
    }

    // The radio-select commands among the modem's commands after the first count.
    std::vector<std::string> SelectsSince(size_t count) const
    {
        std::vector<std::string> selects;
        for (const std::string& c : CommandsSince(count))
            if (c == "ST" || c == "SR") selects.push_back(c);
        return selects;
    }
    // The commands after the first count that write the location (any location: -1).
    std::vector<std::string> WritesToSince(int address, size_t count) const
    {
        char prefix[16] = "WN";
        if (address >= 0) std::snprintf(prefix, sizeof prefix, "WN1%02X", address);
        std::vector<std::string> writes;
        for (const std::string& c : CommandsSince(count))
            if (c.rfind(prefix, 0) == 0) writes.push_back(c);
        return writes;
    }
    size_t Logged() const { return modem.CommandLog().size(); }
    std::string Dump() const { return prompt.Texts().join(" | ").toStdString(); }

    static inline const QString Contact = QStringLiteral("Orvane Sypheral");
    static inline const QString Unrecoverable = QStringLiteral("Unrecoverable Error, Contact Orvane Sypheral for help");

    Karsid driver{links};
    int16_t txType = 0;
    int16_t rxType = 0;
};
