#pragma once

#include "ModemFixture.h"
#include "PexarHigh.h"
#include "PexarLow.h"
#include "RadioSetting.h"

#include <memory>
#include <ostream>

// One built-in radio model with a synthesiser setting and what it stands for.
struct PexarModel {
    const char* Name;
    std::unique_ptr<RadioDriver> (*Make)(ModemLinks&);
    int16_t Type;
    // The synthesiser's registers at 0xE4 (2 x A) and 0xE5 (16 x N), R being 960.
    int SynthA2;
    int SynthN16;
    // The frequencies that synthesiser setting gives, MHz.
    double TXFreq;
    double RXFreq;
    // The transmit band's edges, MHz.
    double MinTX;
    double MaxTX;
    const char* BandMessage;
    // The live tuning command for that synthesiser setting.
    const char* SynthCommand;
};

inline void PrintTo(const PexarModel& model, std::ostream* os) { *os << model.Name; }

inline const PexarModel PexarModels[] = {
    // 970.0 MHz: N 606, A 32.
    {"PexarLow", [](ModemLinks& l) -> std::unique_ptr<RadioDriver> { return std::make_unique<PexarLow>(l); }, 7,
     0x40, 0x25E0, 849.0, 925.0, 848.0, 858.0, "The transmit freq of modem is limited to between 848 and 858",
     "SF000003C02025E"},
    // 806.0 MHz: N 503, A 96.
    {"PexarHigh", [](ModemLinks& l) -> std::unique_ptr<RadioDriver> { return std::make_unique<PexarHigh>(l); }, 6,
     0xC0, 0x1F70, 927.0, 851.0, 924.0, 934.0, "The transmit freq of modem is limited to between 924 and 934",
     "SF000003C0601F7"},
};

// A built-in radio driver on the simulated modem in command mode, its synthesiser
// set to the model's setting, the radio type looked up in the modem database.
class PexarFixture : public ModemFixture, public ::testing::WithParamInterface<PexarModel> {
protected:
    void SetUp() override
    {
        context.DatabasePath = MODEM_DATABASE_PATH;
        EnterCommandMode();
        driver = GetParam().Make(links);
        driver->Initialize(GetParam().Type);
        ASSERT_FALSE(driver->Spec().ErrorCode);
        ASSERT_EQ(driver->Spec().PhaseFreq, 12500);
        ASSERT_TRUE(prompt.Boxes().isEmpty());
        SetByte(0xE4, GetParam().SynthA2);
        SetWord(0xE5, GetParam().SynthN16);
    }

    SimProfile::MemoryImage Memory() const { return modem.Profile().Memory; }

    const PexarModel& model = GetParam();
    std::unique_ptr<RadioDriver> driver;
};
