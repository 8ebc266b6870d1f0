// The shipped profiles and the radios played through the library's own links:
// what the drivers read must be a plausible unit of the modem database.
#include "ModemFixture.h"
#include "RadioSpec.h"
#include "SimProfile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <ostream>

namespace {

using Radio = SimModem::Radio;

// In the order of the database's synthesiser types.
enum class Family { Moskar, Lumbrel, Rudvik };

struct Unit {
    const char* file;
    int modemType;
    bool halfDuplex;
    Family family;
    int txType, rxType;
    const char* version;
    double txMHz, rxMHz;
};

void PrintTo(const Unit& u, std::ostream* out) { *out << u.file; }

const Unit ExternalUnits[] = {
    {"moskar-fdx", 12, false, Family::Moskar, 12, 12, "2.3", 952.0, 940.0},
    {"lumbrel-fdx", 39, false, Family::Lumbrel, 39, 39, "1.4", 460.5, 465.5},
    {"lumbrel-hdx", 35, true, Family::Lumbrel, 35, 35, "1.4", 455.0, 455.0},
    {"rudvik-fdx", 62, false, Family::Rudvik, 62, 62, "3.1", 220.0125, 222.5},
};

class SimRadioLibrary : public ModemFixture {
protected:
    // Switches the modem to the unit of a shipped profile, just powered up.
    void Play(const std::string& file)
    {
        modem.Profile() = SimProfile::Load(std::string(SIM_PROFILES_DIR "/") + file + ".profile");
        modem.PowerCycle(clock.NowMs());
        EnterCommandMode();
    }

    RadioSpec Spec(int type)
    {
        RadioSpec spec(RadioSpecSource{MODEM_DATABASE_PATH, context.ContactName, &prompt, "Radio Modem"});
        spec.GetRadioSpec(int16_t(type));
        EXPECT_FALSE(spec.ErrorCode);
        return spec;
    }

    // The frequency in MHz that the radio's divider registers hold, as its driver
    // reads them; the receive side adds the first IF.
    double ReadFrequency(Family family, const RadioSpec& spec, bool transmit)
    {
        double steps = 0, stepHz = spec.PhaseFreq;
        switch (family) {
        case Family::Moskar:
            steps = transmit ? radioCommands.ReadMoskarDividerB(port) : radioCommands.ReadMoskarDividerA(port);
            break;
        case Family::Lumbrel:
            stepHz = spec.RefCrystal / radioCommands.ReadLumbrelRefDivider(port);
            EXPECT_DOUBLE_EQ(stepHz, spec.PhaseFreq) << "R gives the table's channel step";
            steps = transmit ? radioCommands.ReadLumbrelTxDivider(port) : radioCommands.ReadLumbrelRxDivider(port);
            break;
        case Family::Rudvik:
            steps = transmit ? radioCommands.ReadRudvikCounterB1(port) * 64 + radioCommands.ReadRudvikCounterA1(port)
                             : radioCommands.ReadRudvikCounterB2(port) * 64 + radioCommands.ReadRudvikCounterA2(port);
            break;
        }
        return steps * stepHz / 1e6 + (transmit ? 0 : spec.FirstIF);
    }

    // Reads one radio as its driver would and checks it against the database.
    void CheckRadio(const Unit& u, bool transmit)
    {
        SCOPED_TRACE(transmit ? "transmit radio" : "receive radio");
        radio.OpenRadioPort(port);
        ASSERT_EQ(radio.RadioErrorCode, 0);
        const int type = radioCommands.ReadRadioType(port);
        EXPECT_EQ(type, transmit ? u.txType : u.rxType);
        const RadioSpec spec = Spec(type);
        EXPECT_EQ(spec.SynthType, int(u.family));
        EXPECT_EQ(radioCommands.ReadRadioVersion(port).toStdString(), u.version);
        EXPECT_NE(radioCommands.ReadRadioSerialNo(port), QStringLiteral("------"));

        const double mhz = ReadFrequency(u.family, spec, transmit);
        EXPECT_NEAR(mhz, transmit ? u.txMHz : u.rxMHz, 1e-9);
        EXPECT_GE(mhz, transmit ? spec.MinTXFreq : spec.MinRXFreq);
        EXPECT_LE(mhz, transmit ? spec.MaxTXFreq : spec.MaxRXFreq);
        const double channels = (mhz - (transmit ? 0 : spec.FirstIF)) * 1e6 / spec.PhaseFreq;
        EXPECT_LE(std::abs(channels - std::round(channels)), 1e-6) << "on the channel raster";

        if (u.family != Family::Rudvik) {
            const int base = radioCommands.ReadRadioTrimBase(port);
            const int trim = radioCommands.ReadRadioFreqTrim(port) - base;
            EXPECT_GE(trim, -(base + radioCommands.ReadRadioByte75(port)));
            EXPECT_LE(trim, 255 - radioCommands.ReadRadioByte76(port) - base);
            const double p = radioCommands.ReadRadioPowerByte(port);
            const double mW = (p + spec.TXPowB) * (p + spec.TXPowB) / spec.TXPowA;
            EXPECT_GE(mW, spec.MinTXPower);
            EXPECT_LE(mW, spec.MaxTXPower);
        }
        EXPECT_GT(radioCommands.ReadRadioTrimGain(port), 0);
        EXPECT_EQ(radio.RadioErrorCode, 0);
        comm.OpenModemPort(port);
    }
};

TEST_F(SimRadioLibrary, BuiltInUnitsTuneInsideTheirBand)
{
    const struct {
        const char* file;
        int type;
        double synthMHz, txOffset;
    } units[] = {
        {"default", 6, 808.0125, 121}, {"builtin-high", 6, 809.0, 121}, {"firmware-32", 6, 808.0125, 121},
        {"old-firmware", 6, 808.0125, 121}, {"builtin-low", 7, 970.0, -121},
    };
    for (const auto& u : units) {
        SCOPED_TRACE(u.file);
        Play(u.file);
        EXPECT_EQ(commands.ReadModemType(port), u.type);
        EXPECT_FALSE(commands.ReadOptionFAbit1(port));
        const double synth = commands.ReadSynthFrequency(port);
        EXPECT_NEAR(synth, u.synthMHz, 1e-9);
        const RadioSpec spec = Spec(u.type);
        EXPECT_GE(synth + u.txOffset, spec.MinTXFreq);
        EXPECT_LE(synth + u.txOffset, spec.MaxTXFreq);
        commands.CheckModemCrc(port);
        EXPECT_EQ(comm.ModemErrorCode, 0) << "the check word is right";
        EXPECT_TRUE(prompt.Boxes().isEmpty()) << prompt.Texts().join(" | ").toStdString();
    }
}

class SimRadioLibraryUnit : public SimRadioLibrary, public ::testing::WithParamInterface<Unit> {};

TEST_P(SimRadioLibraryUnit, ReadsBackThroughTheRadioLink)
{
    const Unit& u = GetParam();
    Play(u.file);
    EXPECT_EQ(commands.ReadModemType(port), u.modemType);
    EXPECT_TRUE(commands.ReadOptionFAbit1(port));
    EXPECT_EQ(commands.ReadBuildHdx(port), u.halfDuplex);
    comm.SelectTxRadio(port);
    CheckRadio(u, true);
    comm.SelectRxRadio(port);
    CheckRadio(u, false);
    EXPECT_EQ(comm.ModemErrorCode, 0);
    EXPECT_EQ(modem.RadioCommandLog(Radio::Rx).empty(), u.halfDuplex) << "one radio serves both sides";
    EXPECT_TRUE(prompt.Boxes().isEmpty()) << prompt.Texts().join(" | ").toStdString();
}

INSTANTIATE_TEST_SUITE_P(Profiles, SimRadioLibraryUnit, ::testing::ValuesIn(ExternalUnits),
                         [](const auto& info) {
                             std::string name = info.param.file;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

TEST_F(SimRadioLibrary, WritesLoadsAndFinishingReachTheRadio)
{
    Play("moskar-fdx");
    comm.SelectRxRadio(port);
    radio.OpenRadioPort(port);
    const int32_t n = 0x2A5F3;  // uses the 18th bit
    radioWriter.WriteRadioValueB(n, port);
    radioWriter.WriteRadioRegJ(-3, port);
    radioCommands.FinishRadioWrite(port);
    EXPECT_EQ(radio.RadioErrorCode, 0);
    EXPECT_EQ(modem.RadioMemory(Radio::Rx, 0x41), 0x02);
    EXPECT_EQ(modem.RadioMemory(Radio::Rx, 0x42), 0xA5);
    EXPECT_EQ(modem.RadioMemory(Radio::Rx, 0x43), 0xF3);
    EXPECT_EQ(modem.RadioMemory(Radio::Rx, 0x4C), 0xFD);
    EXPECT_EQ(modem.FinishCount(Radio::Rx), 1);
    EXPECT_EQ(radioCommands.ReadMoskarDividerA(port), n);

    const RadioSpec spec = Spec(12);
    modem.Profile().RxRadio.LoadStatus = 0x21;
    EXPECT_EQ(radioWriter.WriteRadioBlockA(spec, n, false, port), 0x21);
    const std::vector<uint8_t> load{uint8_t(spec.SynthCtl / 256), uint8_t((spec.SynthCtl & 0xF0) | (spec.RXBs ? 8 : 0) | 2),
                                    0xA5, 0xF3, uint8_t(spec.SynthLockTime)};
    EXPECT_EQ(modem.LastSynthLoad(Radio::Rx), load);
    radioWriter.WriteRadioBlockC(3, 61, port);
    EXPECT_EQ(modem.LastSetOutput(Radio::Rx), (std::vector<uint8_t>{3, 61}));
    EXPECT_TRUE(modem.RadioCommandLog(Radio::Tx).empty());
    comm.OpenModemPort(port);
    EXPECT_EQ(comm.SendModemCommand(QStringLiteral("SV"), port), QStringLiteral("SV:VA3.1")) << "the modem link works again";
}

TEST_F(SimRadioLibrary, RadioFaultsAreTheLinksErrorCodes)
{
    const struct {
        const char* name;
        std::function<void(SimProfile::SimFaults&)> set;
        int code;
    } cases[] = {
        {"wrong echo of the code", [](auto& f) { f.RadioWrongEcho = 2; }, RadioComm::BadEcho},
        {"wrong echo of the CR", [](auto& f) { f.RadioWrongEcho = 6; }, RadioComm::BadEcho},
        {"ESC without CR", [](auto& f) { f.RadioEscWithoutCr = true; }, RadioComm::BadEcho},
        {"silent radio", [](auto& f) { f.RadioSilenceAfter = 0; }, RadioComm::Timeout},
        {"reply cut short", [](auto& f) { f.RadioSilenceAfter = 2; }, RadioComm::Timeout},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Play("moskar-fdx");
        comm.SelectTxRadio(port);
        radio.OpenRadioPort(port);
        c.set(modem.Profile().Faults);
        const int64_t start = clock.NowMs();
        ExpectError68([&] { radioCommands.ReadRadioType(port); });
        EXPECT_EQ(radio.RadioErrorCode, c.code);
        EXPECT_LE(clock.NowMs() - start, RadioComm::ByteTimeoutMs);
        modem.Profile().Faults = {};
        modem.PowerCycle(clock.NowMs());
    }
}

}  // namespace
