#include "KarsidFixture.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

namespace {

// What a good write sends to each simulated model, as kept in the writes folder:
// the modem's location writes, radio selects and checks, the radios' frames and
// the values of the progress bar, in the order they happen. The modem's reads
// are left out: they change nothing, and may come at any time before the writes.
class KarsidWriteGoldenTest : public KarsidFixture, public ::testing::WithParamInterface<const char*> {
protected:
    struct Variant {
        const char* name;
        std::function<void(ModemSetting&)> edit;
    };

    // Powers up the profile's modem, creates its drivers and reads it.
    ModemSetting Start()
    {
        prompt.Clear();
        UseProfile(GetParam());
        const int16_t type = commands.ReadModemType(port);
        const bool builtIn = type == 6 || type == 7;
        Create(builtIn ? type : 0, builtIn ? type : 0);
        ModemSetting setting = ReadAll();
        progress.SetValue(0);
        return setting;
    }

    // The write of the setting as the golden file holds it.
    std::string Transcribe(ModemSetting& setting)
    {
        std::ostringstream out;
        size_t seen = modem.Transcript().size();
        auto catchUp = [&] {
            const auto& transcript = modem.Transcript();
            for (; seen < transcript.size(); ++seen) {
                const std::string& line = transcript[seen];
                if (line.rfind("RN", 0) == 0 || line == "SV") continue;
                out << line << '\n';
            }
        };
        progress.OnValue = [&](int value) {
            catchUp();
            out << "progress " << value << '\n';
        };
        prompt.Clear();
        const bool written = driver.WriteModemSetting(port, setting);
        catchUp();
        progress.OnValue = nullptr;
        EXPECT_TRUE(written) << Dump();
        EXPECT_TRUE(prompt.Boxes().isEmpty()) << Dump();
        EXPECT_EQ(modem.Memory(0xFD) << 8 | modem.Memory(0xFE), modem.CorrectCheckWord());
        return out.str();
    }

    static std::string Golden(const std::string& name)
    {
        std::ifstream in(std::string(WRITE_GOLDEN_DIR) + "/" + name + ".txt");
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
};

TEST_P(KarsidWriteGoldenTest, AGoodWriteSendsWhatItAlwaysSent)
{
    const Variant variants[] = {
        {"as read", [](ModemSetting&) {}},
        {"with power",
         [](ModemSetting& s) {
             s.WriteTxPwr = s.TXRadio.WriteTxPwr = s.RXRadio.WriteTxPwr = true;
             s.RSSI = -90;
             s.TXRadio.PowerHL = !s.TXRadio.PowerHL;
             if (s.TXRadio.MinTXPower <= 2000 && s.TXRadio.MaxTXPower >= 2000) s.TXRadio.txpower = 2000;
         }},
        {"changed",
         [](ModemSetting& s) {
             // Collision avoidance as master stores 0x10 at 0xF8, so the lead-in
             // is counted in characters of nine bits.
             s.CAvoid = 6;
             s.TryBeforeTX = false;
             s.TXRadio.TXDelay = 20;
             s.PortBEnabled = !s.PortBEnabled;
             s.PortA.SID1 = 0x31;
             s.PortB.MaxFrame = 200;
             s.PTTControl = 2;
             s.NoOfSlot = 5;
             s.TimePerSlot = 12;
             s.PTTTimeout = 40;
             s.DiagSID1 = 3;
             s.DiagSID2 = 4;
             s.SIDCode = !s.SIDCode;
             s.DiagRepeat = !s.DiagRepeat;
             s.TXRadio.TXFreqTrim += 1;
             s.RXRadio.RXFreqTrim -= 1;
             s.TXRadio.TXFreq += 0.025;
             s.RXRadio.RXFreq += 0.025;
         }},
    };
    std::string actual;
    for (const Variant& v : variants) {
        SCOPED_TRACE(v.name);
        ModemSetting setting = Start();
        v.edit(setting);
        actual += std::string("# ") + v.name + '\n' + Transcribe(setting);
    }
    const std::string golden = Golden(GetParam());
    EXPECT_EQ(actual, golden);
    if (actual != golden) {
        const std::string path = std::filesystem::absolute(std::string(GetParam()) + ".write.actual").string();
        std::ofstream(path) << actual;
        ADD_FAILURE() << "this write is in " << path;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryProfile, KarsidWriteGoldenTest,
                         ::testing::Values("builtin-high", "builtin-low", "default", "firmware-32", "lumbrel-fdx",
                                           "lumbrel-hdx", "lumbrel-narrow", "moskar-fdx", "moskar-narrow",
                                           "old-firmware", "rudvik-fdx", "starts-off"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             std::string name = info.param;
                             for (char& c : name)
                                 if (c == '-') c = '_';
                             return name;
                         });

}  // namespace
