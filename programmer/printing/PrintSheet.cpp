#include "PrintSheet.h"

#include "DisplayFormat.h"
#include "ModemSetting.h"
#include "RuntimeError.h"

#include <cmath>
#include <cstdlib>

namespace {

const QString CR = QStringLiteral("\r");

// The product of a trim and its gain, a 16-bit number.
QString trim(int16_t value, int16_t gain)
{
    const int32_t product = int32_t(value) * int32_t(gain);
    if (product < -32768 || product > 32767) throw RuntimeError::overflow();
    return PrintSheet::TrimText(product) + QStringLiteral(" Hz");
}

QString power(const RadioSetting& tx)
{
    if (tx.txpower == 0) return tx.PowerHL ? QStringLiteral("High") : QStringLiteral("Low");
    if (tx.txpower < 0) throw RuntimeError::invalidArgument();
    const double dBm = 10 * std::log10(double(tx.txpower));
    return QString::number(tx.txpower) + QStringLiteral(" mW (") + PrintSheet::OneDecimal(dBm) +
           QStringLiteral(" dBm)");
}

QString frequency(double mhz) { return DisplayFormat::FrequencyWithZero(mhz) + QStringLiteral(" Mhz"); }

}  // namespace

PrintSheet::PrintSheet(const ModemSetting& m, const Presets& portA, const Presets& portB)
{
    add(QStringLiteral("PortALayer"), m.PortA.FormatLayer());
    add(QStringLiteral("PortBLayer"), m.PortB.FormatLayer());
    add(QStringLiteral("PortAHand"), m.PortA.FormatHand());
    add(QStringLiteral("PortBHand"), m.PortB.FormatHand());
    addPort(m.PortA, portA, QStringLiteral("PortAPacket"), QStringLiteral("PortALiveFrame"));
    addPort(m.PortB, portB, QStringLiteral("PortBPacket"), QStringLiteral("PortBLiveframe"));

    const RadioSetting& tx = m.TXRadio;
    const RadioSetting& rx = m.RXRadio;
    add(QStringLiteral("TXFreq"), frequency(tx.TXFreq));
    add(QStringLiteral("TXTrim"), trim(tx.TXFreqTrim, tx.TXTrimGain), tx.CanFreqTrim);
    add(QStringLiteral("RXFreq"), frequency(rx.RXFreq));
    add(QStringLiteral("RXTrim"), trim(rx.RXFreqTrim, rx.RXTrimGain), m.ExtRF && !m.HDX && rx.CanFreqTrim);
    add(QStringLiteral("txpower"), power(tx));
    add(QStringLiteral("MinRSSI"), QString::number(m.RSSI) + QStringLiteral(" dBm"));
    add(QStringLiteral("TXLID"), QString::number(tx.TXDelay) + QStringLiteral("mS"));
    add(QStringLiteral("TXPowerAlarm"), QString::number(tx.PowerAlarm) + QStringLiteral(" mW"));

    add(QStringLiteral("SIDOnOff"), m.SIDCode ? QStringLiteral("On") : QStringLiteral("Off"));
    add(QStringLiteral("ASIDType"), m.PortA.FormatSIDType());
    add(QStringLiteral("BSIDType"), m.PortB.FormatSIDType());
    add(QStringLiteral("ASID1"), QString::number(m.PortA.SID1));
    add(QStringLiteral("ASID2"), QString::number(m.PortA.SID2));
    add(QStringLiteral("BSID1"), QString::number(m.PortB.SID1));
    add(QStringLiteral("BSID2"), QString::number(m.PortB.SID2));
    add(QStringLiteral("DiagSIDType"), m.DiagRepeat ? QStringLiteral("Repeat On") : QStringLiteral("Repeat Off"));
    add(QStringLiteral("DiagSID1"), QString::number(m.DiagSID1));
    add(QStringLiteral("DiagSID2"), QString::number(m.DiagSID2));
    add(QStringLiteral("SupFunc"), m.FormatSupFunc());
    add(QStringLiteral("PTTControl"),
        (m.PTTControl == 0 ? QStringLiteral("Auto PTT on Data") : QStringLiteral("PTT From RTS")) +
            QStringLiteral(" Timeout: ") + QString::number(m.PTTTimeout));

    add(QStringLiteral("ModemType"), QStringLiteral("Modem Build Type: ") + Signed(m.ModemType));
    add(QStringLiteral("ModemFirmware"), QStringLiteral("Modem Firmware Rev.: ") + m.Firmware);
    add(QStringLiteral("SerialNo"), QStringLiteral("Serial Number: ") + m.SerialNo);
    add(QStringLiteral("DXLabel"), QStringLiteral("Modem is ") +
                                       (m.BaudRate9600 ? QStringLiteral("9600") : QStringLiteral("4800")) +
                                       (m.HDX ? QStringLiteral(" Half Duplex") : QStringLiteral(" Full Duplex")));
    add(QStringLiteral("DiagLabel"),
        m.DiagEnable ? QStringLiteral("Diagnostics Installed") : QStringLiteral("Diagnostics Not Installed"));
    const bool txShown = m.ExtRF;
    add(QStringLiteral("TXRadioType"), txShown ? QStringLiteral("TX Radio Type: ") + QString::number(tx.RadioType)
                                               : QString());
    add(QStringLiteral("TXFirmware"), txShown ? QStringLiteral("TX Radio Firmware Rev.: ") + tx.Firmware : QString());
    add(QStringLiteral("TXSerial"), txShown ? tx.SerialNo : QString());
    const bool rxShown = m.ExtRF && !m.HDX;
    add(QStringLiteral("RXRadioTYpe"), rxShown ? QStringLiteral("RX Radio Type: ") + QString::number(rx.RadioType)
                                               : QString());
    add(QStringLiteral("RXFirmware"), rxShown ? QStringLiteral("RX Radio Firmware Rev.: ") + rx.Firmware : QString());
    add(QStringLiteral("RXSerial"), rxShown ? rx.SerialNo : QString());
}

void PrintSheet::addPort(const PortSetting& port, const Presets& presets, const QString& packetLabel,
                         const QString& liveLabel)
{
    bool live = false;
    QString text;
    if (presets.Setting1 && port.Packet == *presets.Setting1) {
        text = presets.Text1;
    } else if (presets.Setting2 && port.Packet == *presets.Setting2) {
        text = presets.Text2;
    } else if (port.ISSlip) {
        text = QStringLiteral("SLIP");
    } else {
        text = QStringLiteral("Char Input Timer:") + QString::number(port.CharTimer) + CR;
        if (port.MaxFrame != 0) text += QStringLiteral(" Max Frame Size:") + QString::number(port.MaxFrame) + CR;
        if (port.EOMEnable) text += QStringLiteral(" EOM Char:") + QString::number(port.EOMChar);
        live = port.ISLive;
    }
    add(packetLabel, text);
    add(liveLabel, QStringLiteral("Live Frame Enabled"), live);
}

void PrintSheet::add(const QString& name, const QString& text, bool visible) { labels_ << Label{name, text, visible}; }

PrintSheet::Label PrintSheet::Find(const QString& name) const
{
    for (const Label& label : labels_)
        if (label.Name == name) return label;
    return Label{name, QString(), false};
}

QString PrintSheet::TrimText(int32_t product)
{
    const QString digits = QString::number(std::abs(product)).rightJustified(2, QLatin1Char('0'));
    return (product < 0 ? QStringLiteral("- ") : QStringLiteral(" ")) + digits;
}

QString PrintSheet::OneDecimal(double value)
{
    // Halves away from zero, as the display formats round.
    const double tenths = std::round(std::abs(value) * 10);
    QString text = QString::number(tenths / 10, 'f', 1);
    if (text.startsWith(QLatin1String("0."))) text.remove(0, 1);
    return value < 0 && tenths != 0 ? QLatin1Char('-') + text : text;
}

QString PrintSheet::Signed(int32_t value)
{
    return (value < 0 ? QString() : QStringLiteral(" ")) + QString::number(value);
}
