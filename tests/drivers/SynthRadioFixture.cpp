#include "SynthRadioFixture.h"

SynthRadioFixture::SynthRadioFixture()
{
    context.DatabasePath = MODEM_DATABASE_PATH;
    EnterCommandMode();
    SetByte(0xFA, 0x02);  // external radios, full duplex
    // TX delay: 60 bytes at 9600 baud and 8 bits a character, 50 ms.
    SetByte(0xF5, 60);
    SetByte(0xF8, 0x00);
    SetByte(0xF9, 0x10);
    // Power alarm level 48 without calibration, 1000 mW.
    SetByte(0xF0, 48);
    SetByte(0xF1, 0);
}

void SynthRadioFixture::PlaceRadio(Side side, const char* family, uint8_t version, uint8_t loadStatus)
{
    SimProfile::SimRadio& radio = RadioOf(side);
    radio.Family = family;
    radio.Version = version;
    radio.LoadStatus = loadStatus;
    radio.Memory.fill(0);
}

SimProfile::SimRadio& SynthRadioFixture::RadioOf(Side side)
{
    return side == Side::Tx ? modem.Profile().TxRadio : modem.Profile().RxRadio;
}

Bytes SynthRadioFixture::RadioBytes(Side side, int address, int count) const
{
    Bytes bytes;
    for (int i = 0; i < count; ++i) bytes.push_back(uint8_t(RadioByte(side, address + i)));
    return bytes;
}

void SynthRadioFixture::Select(Side side)
{
    if (side == Side::Tx)
        comm.SelectTxRadio(port);
    else
        comm.SelectRxRadio(port);
    ASSERT_EQ(comm.ModemErrorCode, 0);
    ASSERT_EQ(modem.SelectedRadio(), side);
}

QStringList SynthRadioFixture::TakeTexts(const QString& title)
{
    for (const auto& box : prompt.Boxes()) {
        if (box.Text == PortError()) continue;  // the radio link's own box
        EXPECT_EQ(box.Title, title) << box.Text.toStdString();
        EXPECT_EQ(box.Buttons, MsgButtons::OK);
        EXPECT_EQ(box.Icon, MsgIcon::None);
    }
    const QStringList texts = prompt.Texts();
    prompt.Clear();
    return texts;
}

void SynthRadioFixture::ExpectModemLink() const
{
    EXPECT_TRUE(port.PortOpen());
    EXPECT_EQ(port.Settings(), ModemLink);
    EXPECT_EQ(port.InputMode(), SerialPort::Text);
    EXPECT_FALSE(port.DTREnable());
}

QString SynthRadioFixture::Unrecoverable(bool forHelp) const
{
    return QString("Unrecoverable Error, Contact ") + ContactName + (forHelp ? " for help" : "");
}

QString SynthRadioFixture::FatalReadError() const
{
    return QString("Fatal Error Occured when reading Radio Data, Contact ") + ContactName;
}

QString SynthRadioFixture::PortError() const
{
    return "Serial Port 1 could not be opened.\nPlease check port number in options menu,\nor the command line.";
}
