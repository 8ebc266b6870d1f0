#include "ProfileCase.h"

#include "ModemMap.h"
#include "RadioMap.h"

namespace {

using namespace ModemMap;

ByteValue modem(int address, int value) { return {MemoryBank::Modem, address, value}; }
ByteValue txRadio(int address, int value) { return {MemoryBank::TxRadio, address, value}; }
ByteValue rxRadio(int address, int value) { return {MemoryBank::RxRadio, address, value}; }

// The built-in synthesiser, R 960 (12.5 kHz steps): 2 x A and 16 x N.
std::vector<ByteValue> synthesiser(int a, int n)
{
    return {modem(SynthA.Address, 2 * a), modem(SynthN.Address, (16 * n) >> 8), modem(SynthN.Address + 1, (16 * n) & 0xFF)};
}

// The port flag and format bytes, whole. Every profile delivers port A with hardware
// flow control, port B enabled, both at 9600,N,8,1; port B's flags keep it enabled.
ByteValue portAFlags(int bits) { return modem(PortFlags.Address, bits); }
ByteValue portBFlags(int bits) { return modem(PortBFlags.Address, Bits::PortBEnabled | bits); }
ByteValue portAFormat(int bits) { return modem(PortFormat.Address, bits); }
ByteValue portBFormat(int bits) { return modem(PortFormat.Address + 1, bits); }

// The presets of the Modem table for these types: character format 2 is
// 9600,E,7,1 on port A and 1200,N,8,1 on port B; packet preset 2 ends a frame on CR.
const int SpeedCode9600 = CodeOfCommSpeed(4);
const int SpeedCode1200 = CodeOfCommSpeed(1);
const ByteValue aCharDef2 = portAFormat(SpeedCode9600 | PortFormatBit::ParityOn | PortFormatBit::SevenDataBits);
const ByteValue bCharDef2 = portBFormat(SpeedCode1200);

const char BuiltInBand[] = "The transmit freq of modem is limited to between 924 and 934";

// The narrow-band models (6.25 kHz channels) are delivered at 4800; their port A
// format 2 is 9600,N,8,1.
const char* const NarrowFormats[] = {"4800,N,8,1", "9600,N,8,1", "4800,N,8,1", "1200,N,8,1"};
const ByteValue narrowACharDef2 = portAFormat(SpeedCode9600);

}  // namespace

QString ProfileCase::ProfilePath() const
{
    return QStringLiteral(SIM_PROFILES_DIR "/") + QLatin1String(profile) + QStringLiteral(".profile");
}

QString ProfileCase::ExpectedReadPath() const
{
    if (!expectedRead) return {};
    return QStringLiteral(EXPECTED_DIR "/") + QLatin1String(expectedRead) + QStringLiteral(".txt");
}

const std::vector<ProfileCase>& ProfileCases()
{
    static const std::vector<ProfileCase> cases = {
        // Built-in high band: the synthesiser runs 121 MHz below the transmit
        // frequency and the receiver 76 MHz below it. 925.5 MHz: 804.5 MHz =
        // 12.5 kHz x 128 x 502.8125, N 502 and A 104.
        {"builtin-high", "builtin-high", false,
         {"Build Type: 6", "Serial Number: 210601", "Modem Firmware Rev.: 3.1", "", ""},
         "Modem is 9600 Full Duplex", "TX Radio Type: 6", "RX Radio Type: 6", "210601", "210601",
         "930.00000", "854.00000", false, false, true, "Adjust", true,
         "TransFreq", "925.5", "925.50000", synthesiser(104, 502),
         {"APackDef2", "AHandXON"}, {portAFlags(PortFlag::Hardware | PortFlag::EomEnable | PortFlag::XonXoff)}, {},
         "999", BuiltInBand},
        // Built-in low band: the synthesiser 121 MHz above. 850.0125 MHz: 971.0125 MHz
        // = 12.5 kHz x 128 x 606.8828125, N 606 and A 113.
        {"builtin-low", "builtin-low", false,
         {"Build Type: 7", "Serial Number: 070315", "Modem Firmware Rev.: 3.1", "", ""},
         "Modem is 9600 Full Duplex", "TX Radio Type: 7", "RX Radio Type: 7", "070315", "070315",
         "849.00000", "925.00000", false, false, true, "Adjust", true,
         "TransFreq", "850.0125", "850.01250", synthesiser(113, 606),
         {"BCharDef2", "BHandXON"}, {bCharDef2, portBFlags(PortFlag::XonXoff)}, {},
         "999", "The transmit freq of modem is limited to between 848 and 858"},
        // The default modem; port A's "None" handshake clears both flow-control bits.
        {"default", nullptr, false,
         {"Build Type: 6", "Serial Number: 123456", "Modem Firmware Rev.: 3.1", "", ""},
         "Modem is 9600 Full Duplex", "TX Radio Type: 6", "RX Radio Type: 6", "123456", "123456",
         "929.01250", "853.01250", false, false, true, "Adjust", true,
         "TransFreq", "925.5", "925.50000", synthesiser(104, 502),
         {"ACharDef2", "AHandNone"}, {aCharDef2, portAFlags(0)}, {},
         "923.9875", BuiltInBand},
        // The band's upper channel: 933.9875 MHz, 812.9875 MHz = 12.5 kHz x 128 x
        // 508.1171875, N 508 and A 15.
        {"firmware-32", "firmware-32", false,
         {"Build Type: 6", "Serial Number: 320044", "Modem Firmware Rev.: 3.2", "", ""},
         "Modem is 9600 Full Duplex", "TX Radio Type: 6", "RX Radio Type: 6", "320044", "320044",
         "929.01250", "853.01250", false, false, true, "Adjust", true,
         "TransFreq", "933.9875", "933.98750", synthesiser(15, 508),
         {"BPackDef2", "AHandXON"},
         {portBFlags(PortFlag::EomEnable), portAFlags(PortFlag::Hardware | PortFlag::XonXoff)}, {},
         "934.0125", BuiltInBand},
        // Firmware 2.3.1 is not above 2.3: no "None" for port A, and the hardware
        // bit is left as it is. The read stores the type it derived.
        {"old-firmware", "old-firmware", false,
         {"Build Type: 6", "Serial Number: 123456", "Modem Firmware Rev.: 2.3.1", "", ""},
         "Modem is 9600 Full Duplex", "TX Radio Type: 6", "RX Radio Type: 6", "123456", "123456",
         "929.01250", "853.01250", false, false, true, "Adjust", false,
         "TransFreq", "925.5", "925.50000", synthesiser(104, 502),
         {"AHandXON", "BHandXON"},
         {portAFlags(PortFlag::Hardware | PortFlag::XonXoff), portBFlags(PortFlag::XonXoff)}, {modem(ModemType.Address, 6)},
         "999", BuiltInBand},
        // Lumbrel, 12.5 kHz channels: 461.0125 MHz is divider 36881 (0x9011); the
        // transmit radio holds it as both of its dividers.
        {"lumbrel-fdx", "lumbrel-fdx", false,
         {"Build Type: 39", "Serial Number: 394011", "Modem Firmware Rev.: 3.1", "TX Radio Firmware Rev.: 1.4",
          "RX Radio Firmware Rev.: 1.4"},
         "Modem is 9600 Full Duplex", "TX Radio Type: 39", "RX Radio Type: 39", "451007", "451008",
         "460.50000", "465.50000", true, true, true, "Adjust", true,
         "TransFreq", "461.0125", "461.01250",
         {txRadio(RadioMap::Divider44, 0x90), txRadio(RadioMap::Divider44 + 1, 0x11), txRadio(RadioMap::Divider46, 0x90),
          txRadio(RadioMap::Divider46 + 1, 0x11)},
         {"APackDef2", "BHandXON"},
         {portAFlags(PortFlag::Hardware | PortFlag::EomEnable), portBFlags(PortFlag::XonXoff)}, {},
         "480", "The transmit freq of modem is limited to between 450Mhz and 470 Mhz"},
        // One radio both ways: the transmit divider changes (456.0125 MHz, 36481 =
        // 0x8E81), the receive divider stays.
        {"lumbrel-hdx", "lumbrel-hdx", false,
         {"Build Type: 35", "Serial Number: 355021", "Modem Firmware Rev.: 3.1", "TX Radio Firmware Rev.: 1.4", ""},
         "Modem is 9600 Half Duplex", "TX Radio Type: 35", "RX Radio Type: None", "452011", "------",
         "455.00000", "455.00000", true, false, true, "Adjust", true,
         "TransFreq", "456.0125", "456.01250",
         {txRadio(RadioMap::Divider46, 0x8E), txRadio(RadioMap::Divider46 + 1, 0x81)},
         {"AHandNone"}, {portAFlags(0)}, {},
         "449.9875", "The transmit freq of modem is limited to between 450Mhz and 470 Mhz"},
        // Lumbrel narrow band, 6.25 kHz channels: 416.00625 MHz is divider 66561
        // (0x10401), bit 16 at 0x41 as before.
        {"lumbrel-narrow", nullptr, false,
         {"Build Type: 55", "Serial Number: 554022", "Modem Firmware Rev.: 3.1", "TX Radio Firmware Rev.: 1.4",
          "RX Radio Firmware Rev.: 1.4"},
         "Modem is 9600 Full Duplex", "TX Radio Type: 55", "RX Radio Type: 55", "455013", "455014",
         "415.00000", "420.00000", true, true, true, "Adjust", true,
         "TransFreq", "416.00625", "416.00625",
         {txRadio(RadioMap::Divider44, 0x04), txRadio(RadioMap::Divider44 + 1, 0x01), txRadio(RadioMap::Divider46, 0x04),
          txRadio(RadioMap::Divider46 + 1, 0x01)},
         {"BCharDef2", "AHandXON"}, {bCharDef2, portAFlags(PortFlag::Hardware | PortFlag::XonXoff)}, {},
         "480", "The transmit freq of modem is limited to between 403Mhz and 430 Mhz", NarrowFormats},
        // Moskar receiver, first IF 45 MHz: 931.0125 MHz is divider (931.0125 - 45) /
        // 0.0125 = 70881 (0x114E1), bits 16-17 at 0x41.
        {"moskar-fdx", "moskar-fdx", false,
         {"Build Type: 12", "Serial Number: 122007", "Modem Firmware Rev.: 3.1", "TX Radio Firmware Rev.: 2.3",
          "RX Radio Firmware Rev.: 2.3"},
         "Modem is 9600 Full Duplex", "TX Radio Type: 12", "RX Radio Type: 12", "312001", "312002",
         "952.00000", "940.00000", true, true, true, "Adjust", true,
         "RXFreq", "931.0125", "931.01250",
         {rxRadio(RadioMap::HighBits, 0x01), rxRadio(RadioMap::Divider42, 0x14), rxRadio(RadioMap::Divider42 + 1, 0xE1)},
         {"ACharDef2", "BPackDef2"}, {aCharDef2, portBFlags(PortFlag::EomEnable)}, {},
         "999", "The transmit freq of modem is limited to between 928Mhz and 960 Mhz"},
        // Moskar narrow band: 898.00625 MHz is divider (898.00625 - 45) / 0.00625 =
        // 136481 (0x21521), bits 16-17 at 0x41.
        {"moskar-narrow", nullptr, false,
         {"Build Type: 25", "Serial Number: 252014", "Modem Firmware Rev.: 3.1", "TX Radio Firmware Rev.: 2.3",
          "RX Radio Firmware Rev.: 2.3"},
         "Modem is 9600 Full Duplex", "TX Radio Type: 25", "RX Radio Type: 25", "325001", "325002",
         "899.00000", "897.00000", true, true, true, "Adjust", true,
         "RXFreq", "898.00625", "898.00625",
         {rxRadio(RadioMap::HighBits, 0x02), rxRadio(RadioMap::Divider42, 0x15), rxRadio(RadioMap::Divider42 + 1, 0x21)},
         {"ACharDef2", "BPackDef2"}, {narrowACharDef2, portBFlags(PortFlag::EomEnable)}, {},
         "999", "The transmit freq of modem is limited to between 896Mhz and 902 Mhz", NarrowFormats},
        // Rudvik receiver, first IF 21.4 MHz: 218.0125 MHz is N = (218.0125 - 21.4) /
        // 0.0125 = 15729 = 64 x 245 + 49. No trim: both trim buttons only view.
        {"rudvik-fdx", "rudvik-fdx", false,
         {"Build Type: 62", "Serial Number: 623005", "Modem Firmware Rev.: 3.1", "TX Radio Firmware Rev.: 3.1",
          "RX Radio Firmware Rev.: 3.1"},
         "Modem is 9600 Full Duplex", "TX Radio Type: 62", "RX Radio Type: 62", "620031", "620032",
         "220.01250", "222.50000", true, false, false, "View", true,
         "RXFreq", "218.0125", "218.01250",
         {rxRadio(RadioMap::Divider42, 0x00), rxRadio(RadioMap::Divider42 + 1, 245), rxRadio(RadioMap::Divider44, 49)},
         {"BCharDef2", "AHandXON"}, {bCharDef2, portAFlags(PortFlag::Hardware | PortFlag::XonXoff)}, {},
         "300", "The transmit freq of modem is limited to between 216Mhz and 225 Mhz"},
        // builtin-high once it is powered up. 931.0125 MHz: 810.0125 MHz = 12.5 kHz
        // x 128 x 506.2578125, N 506 and A 33.
        {"starts-off", "builtin-high", true,
         {"Build Type: 6", "Serial Number: 210601", "Modem Firmware Rev.: 3.1", "", ""},
         "Modem is 9600 Full Duplex", "TX Radio Type: 6", "RX Radio Type: 6", "210601", "210601",
         "930.00000", "854.00000", false, false, true, "Adjust", true,
         "TransFreq", "931.0125", "931.01250", synthesiser(33, 506),
         {"BPackDef2", "BHandXON"}, {portBFlags(PortFlag::EomEnable | PortFlag::XonXoff)}, {},
         "999", BuiltInBand},
    };
    return cases;
}

std::string CaseName(const ProfileCase& c) { return QString::fromLatin1(c.profile).replace('-', '_').toStdString(); }

void PrintTo(const ProfileCase& c, std::ostream* os) { *os << c.profile; }
