#include "Karsid.h"
#include "ModemControl.h"
#include "ModemFixture.h"
#include "ModemSetting.h"
#include "ScriptedWait.h"
#include "SimProfile.h"
#include "TempDatabase.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

class ModemControlTest : public ModemFixture {
protected:
    ModemControlTest() { context.DatabasePath = MODEM_DATABASE_PATH; }

    void Create()
    {
        int16_t type = 0, tx = 0, rx = 0;
        control.CreatModem(type, tx, rx);
        createdType = type;
    }
    bool sent(const std::string& prefix) const
    {
        for (const std::string& c : modem.CommandLog())
            if (c.rfind(prefix, 0) == 0) return true;
        return false;
    }

    ScriptedWait wait;
    ModemControl control{context, port, wait};
    int16_t createdType = -1;
};

TEST_F(ModemControlTest, ConnectsFromThePromptAndReadsTheBuiltInModem)
{
    Create();
    EXPECT_TRUE(control.Working);
    EXPECT_EQ(createdType, 6);
    EXPECT_EQ(wait.Shown, 0);
    ModemSetting setting;
    EXPECT_EQ(control.ReadModemSetting(setting), 0);
    EXPECT_TRUE(control.Working);
    EXPECT_EQ(setting.ModemType, 6);
    EXPECT_EQ(setting.Firmware, "3.1");
    EXPECT_EQ(setting.SerialNo, "123456");
    EXPECT_EQ(setting.TXRadio.RadioType, 6);
    EXPECT_EQ(progress.Caption(), "Reading Modem Configuration");
    EXPECT_FALSE(progress.Shown());
    bool display = true;
    EXPECT_FALSE(control.QuerySetting(setting, display)) << prompt.Texts().join(" | ").toStdString();
    EXPECT_TRUE(prompt.Boxes().isEmpty()) << prompt.Texts().join(" | ").toStdString();
}

TEST_F(ModemControlTest, NoModemAndCancelInTheWaitWindow)
{
    modem.Profile().Faults.Silent = true;
    const int64_t start = clock.NowMs();
    Create();
    EXPECT_FALSE(control.Working);
    EXPECT_EQ(wait.Shown, 1);
    EXPECT_TRUE(prompt.Boxes().isEmpty());
    EXPECT_LT(clock.NowMs() - start, 2600) << "a second for the prompt and one for the probe";
}

TEST_F(ModemControlTest, AModemThatOnlyAnswersAfterAPowerCycle)
{
    modem.Profile().Faults.Silent = true;
    wait.Cancel = false;
    wait.OnShow = [&] {
        modem.Profile().Faults.Silent = false;
        modem.PowerCycle(clock.NowMs());
    };
    Create();
    EXPECT_EQ(wait.Shown, 1);
    EXPECT_TRUE(control.Working) << prompt.Texts().join(" | ").toStdString();
    EXPECT_EQ(createdType, 6);
}

TEST_F(ModemControlTest, FirmwareRevisions)
{
    const struct {
        const char* firmware;
        const char* productVersion;
        bool accepted;
        bool asksForPv;
    } cases[] = {
        {"2.5", "", false, false}, {"2.1", "", false, false}, {"2.2", "", true, false}, {"2.4.1", "", true, false},
        {"3.0", "", true, false},  {"3.1", "", true, false},  {"3.2", "3.0;3.4", true, true},
        {"3.3", "3.0", false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.firmware);
        SetFirmware(c.firmware);
        SetProductVersion(c.productVersion);
        modem.PowerCycle(clock.NowMs());
        prompt.Clear();
        const size_t before = Commands().size();
        Create();
        EXPECT_EQ(control.Working, c.accepted);
        bool askedPv = false;
        for (const std::string& cmd : CommandsSince(before)) askedPv |= cmd == "PV";
        EXPECT_EQ(askedPv, c.asksForPv);
        if (!c.accepted) {
            EXPECT_EQ(prompt.Texts(), QStringList{"Unrecognized modem firmware revision, contact Orvane Sypheral for "
                                                  "a update of this programmer"});
        }
    }
}

TEST_F(ModemControlTest, ProgrammerVersionChecks)
{
    EXPECT_FLOAT_EQ(ModemControl::ProgrammerVersion(), 3.4f);
    const struct {
        const char* pv;
        MsgResult answer;
        bool working;
        const char* message;
    } cases[] = {
        {"3.5;3.6", MsgResult::OK, false,
         "The modem requires programmer version 3.5 and above, please upgrade the Halvex Programmer if you want to "
         "program this modem"},
        {"3.0;3.6", MsgResult::OK, true,
         "The modem prefers programmer version higher then 3.6.  This Halvex Programmer will still function but "
         "some features may not be available.  Do you wish to continue?"},
        {"3.0;3.6", MsgResult::Cancel, false,
         "The modem prefers programmer version higher then 3.6.  This Halvex Programmer will still function but "
         "some features may not be available.  Do you wish to continue?"},
        {"3.0;3.4", MsgResult::OK, true, nullptr},
        {"3.4", MsgResult::OK, true, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pv);
        SetFirmware("3.2");
        SetProductVersion(c.pv);
        modem.PowerCycle(clock.NowMs());
        prompt.Clear();
        prompt.Answer(c.answer);
        Create();
        EXPECT_EQ(control.Working, c.working);
        if (c.message) {
            ASSERT_EQ(prompt.Boxes().size(), 1);
            EXPECT_EQ(prompt.Boxes().front().Text, c.message);
            EXPECT_EQ(prompt.Boxes().front().Title, "Radio Modem");
        } else {
            EXPECT_TRUE(prompt.Boxes().isEmpty());
        }
    }
}

TEST_F(ModemControlTest, GivenTypesCreateTheDriverWithoutTalkingToTheModem)
{
    int16_t type = 7, tx = 0, rx = 0;
    control.CreatModem(type, tx, rx);
    EXPECT_TRUE(control.Working);
    EXPECT_EQ(port.Opens(), 0);
    ASSERT_NE(control.Driver(), nullptr);

    type = 70;
    control.CreatModem(type, tx, rx);
    EXPECT_FALSE(control.Working);
    EXPECT_EQ(prompt.Texts(), QStringList{"Error, Modem Type not recognized"});
    EXPECT_EQ(control.Driver(), nullptr);
}

TEST_F(ModemControlTest, NothingIsCheckedOrReadBeforeAModemIsConnected)
{
    ModemSetting setting;
    setting.NoOfSlot = 99;  // breaks a rule
    bool display = true;
    EXPECT_FALSE(control.QuerySetting(setting, display));
    EXPECT_EQ(control.ReadModemSetting(setting), 0);
    bool needPassword = false;
    EXPECT_FALSE(control.WriteModemSetting(setting, needPassword));
    EXPECT_TRUE(prompt.Boxes().isEmpty());
}

TEST_F(ModemControlTest, AWriteToAnotherBuildOrModelIsRefused)
{
    Create();
    ModemSetting setting;
    control.ReadModemSetting(setting);
    const struct {
        const char* name;
        std::function<void(ModemSetting&)> change;
        const char* message;
    } cases[] = {
        {"build type", [](ModemSetting& s) { s.ModemType = 7; }, "Error - Target Radio/Modem must be same Build Type!"},
        {"hardware model", [](ModemSetting& s) { s.HDX = true; }, "Error - Target Radio/Modem must be same hardware model!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ModemSetting other = setting;
        c.change(other);
        prompt.Clear();
        const size_t before = Commands().size();
        bool needPassword = false;
        EXPECT_FALSE(control.WriteModemSetting(other, needPassword));
        EXPECT_EQ(prompt.Texts(), QStringList{c.message});
        for (const std::string& cmd : CommandsSince(before)) EXPECT_NE(cmd.substr(0, 2), "WN") << cmd;
        EXPECT_FALSE(port.PortOpen());
        EXPECT_TRUE(control.Working);
    }
}

TEST_F(ModemControlTest, ABuiltInModemWhoseRadioHasNoRowIsRefused)
{
    const struct {
        const char* profile;
        int type;
    } cases[] = {{"builtin-high", 6}, {"builtin-low", 7}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.profile);
        modem.Profile() = SimProfile::Load(std::string(SIM_PROFILES_DIR) + "/" + c.profile + ".profile");
        modem.PowerCycle(clock.NowMs());
        TempDatabase database;
        database.CopyModemDatabaseWithout(c.type);
        context.DatabasePath = database.Path();
        prompt.Clear();
        Create();
        EXPECT_EQ(createdType, c.type);
        EXPECT_FALSE(control.Working);
        EXPECT_EQ(control.Driver(), nullptr);
        EXPECT_EQ(prompt.Texts(), QStringList{"Error, un-recognised Radio Type, Call Orvane Sypheral"});

        // Nothing is read or written afterwards.
        const size_t before = Commands().size();
        ModemSetting setting;
        EXPECT_EQ(control.ReadModemSetting(setting), 0);
        setting.ModemType = int16_t(c.type);
        bool needPassword = false;
        EXPECT_FALSE(control.WriteModemSetting(setting, needPassword));
        EXPECT_TRUE(CommandsSince(before).empty());
        EXPECT_EQ(prompt.Boxes().size(), 1);
    }
}

TEST_F(ModemControlTest, AWrittenConfigurationReadsBackChanged)
{
    Create();
    ModemSetting setting;
    control.ReadModemSetting(setting);
    setting.NoOfSlot = 9;
    setting.PortA.CommSpeed = 3;
    setting.TXRadio.TXFreq = 925.5;
    setting.TXRadio.TXDelay = 20;
    bool needPassword = false;
    EXPECT_TRUE(control.WriteModemSetting(setting, needPassword)) << prompt.Texts().join(" | ").toStdString();
    EXPECT_TRUE(control.Driver()->Working);
    EXPECT_EQ(progress.Caption(), "Writing Modem Configuration");
    ModemSetting back;
    control.ReadModemSetting(back);
    EXPECT_EQ(back.NoOfSlot, 9);
    EXPECT_EQ(back.PortA.CommSpeed, 3);
    EXPECT_DOUBLE_EQ(back.TXRadio.TXFreq, 925.5);
    EXPECT_EQ(back.TXRadio.TXDelay, 20);
    EXPECT_EQ(back.SerialNo, setting.SerialNo);
    EXPECT_EQ((Byte(0xFD) << 8) | Byte(0xFE), modem.CorrectCheckWord());
}

TEST_F(ModemControlTest, AWriteWhoseCheckNeverPassesIsReportedAsFailedAndCanBeWrittenAgain)
{
    Create();
    ModemSetting setting;
    control.ReadModemSetting(setting);
    setting.NoOfSlot = 9;
    modem.Profile().Faults.CheckStuck = 0x1234;
    prompt.Clear();
    bool needPassword = false;
    EXPECT_FALSE(control.WriteModemSetting(setting, needPassword));
    EXPECT_EQ(prompt.Texts(), QStringList{"Error has occured error code: 4"});
    EXPECT_FALSE(progress.Shown());
    EXPECT_FALSE(port.PortOpen());
    EXPECT_TRUE(control.Working) << "the modem is still there to be written again";
    EXPECT_EQ(Byte(0xF6), 9);

    modem.Profile().Faults.CheckStuck = -1;
    modem.PowerCycle(clock.NowMs());
    prompt.Clear();
    EXPECT_TRUE(control.WriteModemSetting(setting, needPassword)) << prompt.Texts().join(" | ").toStdString();
    EXPECT_TRUE(prompt.Boxes().isEmpty());
    EXPECT_EQ((Byte(0xFD) << 8) | Byte(0xFE), modem.CorrectCheckWord());
}

TEST_F(ModemControlTest, BenchMembersWithoutAModem)
{
    int16_t type = 6;
    double freq = 851.0;
    bool select = true;
    EXPECT_EQ(control.AutoRssi(type, freq, select), 0);
    EXPECT_EQ(port.Opens(), 1);
    EXPECT_FALSE(port.PortOpen());
    EXPECT_FALSE(progress.Shown());
    EXPECT_EQ(progress.Caption(), "Automatically Calculating Min. RX Signal");

    const size_t before = Commands().size();
    EXPECT_EQ(control.WriteTXFreq(freq, select), 0);
    EXPECT_FALSE(port.PortOpen());
    bool on = true;
    control.TXState(on);
    int16_t value = 1000;
    control.WritePower(value);
    EXPECT_TRUE(CommandsSince(before).empty());
    EXPECT_TRUE(prompt.Boxes().isEmpty());
}

TEST_F(ModemControlTest, AutoRssiMeasuresTheBuiltInReceiver)
{
    Create();
    SetRssiSample(175);
    int16_t type = 6;
    double freq = 851.0;
    bool select = false;
    const size_t before = Commands().size();
    EXPECT_EQ(control.AutoRssi(type, freq, select), -64);
    bool selected = false;
    for (const std::string& c : CommandsSince(before)) selected |= c == "SR";
    EXPECT_FALSE(selected);
    EXPECT_FALSE(port.PortOpen());
}

TEST_F(ModemControlTest, AutoRssiLosingTheModemClosesItsProgressAndSaysSo)
{
    Create();
    modem.Profile().Faults.SilenceAfter = 40;
    int16_t type = 6;
    double freq = 851.0;
    bool select = false;
    EXPECT_EQ(control.AutoRssi(type, freq, select), 0);
    EXPECT_FALSE(control.Working);
    EXPECT_FALSE(port.PortOpen());
    EXPECT_FALSE(progress.Shown()) << "no window left behind the message";
    ASSERT_FALSE(prompt.Boxes().isEmpty());
    EXPECT_EQ(prompt.Boxes().back().Text,
              "Unrecoverable Error has occured when trying to adjust the RSSI Value, Program exiting");
}

}  // namespace

namespace {

// The timed power test as the program drives it, on a full-duplex 450 MHz modem.
TEST_F(ModemControlTest, ThePowerTestSequence)
{
    modem.Profile() = SimProfile::Load(SIM_PROFILES_DIR "/lumbrel-fdx.profile");
    modem.PowerCycle(clock.NowMs());
    Create();
    ASSERT_TRUE(control.Working) << prompt.Texts().join(" | ").toStdString();

    double freq = 460.5;
    bool select = true;
    EXPECT_EQ(control.WriteTXFreq(freq, select), -1) << "the load reports lock";
    EXPECT_FALSE(port.PortOpen());
    EXPECT_EQ(modem.LastSynthLoad(SimModem::Radio::Tx).size(), 13u);

    bool on = true;
    control.TestPowerMode(on);
    EXPECT_TRUE(port.PortOpen());
    EXPECT_EQ(port.Settings(), "1200,N,8,1") << "the radio link stays open for the test";
    const size_t modemCommands = Commands().size();
    for (int16_t power : {int16_t(1000), int16_t(2000)}) {
        int16_t value = power;
        control.WritePower(value);
        const auto set = modem.LastSetOutput(SimModem::Radio::Tx);
        ASSERT_EQ(set.size(), 2u);
        EXPECT_EQ(set[0], 3);
        EXPECT_EQ(set[1], int(std::lround(std::sqrt(power * 4.6) - 5.2)));
    }
    EXPECT_EQ(Commands().size(), modemCommands) << "nothing goes to the modem while the test runs";

    bool off = false;
    control.TestPowerMode(off);
    EXPECT_EQ(port.Settings(), "9600,N,8,1");
    int16_t zero = 0;
    control.WritePower(zero);
    EXPECT_EQ(modem.LastSetOutput(SimModem::Radio::Tx), (std::vector<uint8_t>{3, 0}));
    control.TXState(off);
    EXPECT_EQ(modem.LastSynthLoad(SimModem::Radio::Tx).size(), 4u) << "the transmitter-state form";
    EXPECT_TRUE(prompt.Boxes().isEmpty()) << prompt.Texts().join(" | ").toStdString();
}

}  // namespace
