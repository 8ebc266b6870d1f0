#include "ConfigurationFile.h"

#include "DatabaseError.h"
#include "FieldValue.h"
#include "ModemSetting.h"
#include "RadioSpec.h"
#include "RuntimeError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <unistd.h>
#include <vector>

const QString ConfigurationFile::TableName = QStringLiteral("ModemSetting");

namespace {

// One field of the table: its name, its declared type and the value it takes from
// a configuration.
struct Column {
    QString Name;
    DataType Type;
    std::function<QVariant(const ModemSetting&)> Value;
};

void addPort(std::vector<Column>& columns, const QString& prefix, const PortSetting ModemSetting::*port)
{
    auto field = [&](const char* name, DataType type, std::function<QVariant(const PortSetting&)> value) {
        columns.push_back({prefix + QLatin1String(name), type,
                           [port, value = std::move(value)](const ModemSetting& m) { return value(m.*port); }});
    };
    const DataType Long = DataType::Long, Boolean = DataType::Boolean;
    field("Speed", Long, [](const PortSetting& p) { return int(p.CommSpeed); });
    field("DataBit", Long, [](const PortSetting& p) { return int(p.DataBit); });
    field("Parity", Long, [](const PortSetting& p) { return int(p.Parity); });
    field("StopBit", Long, [](const PortSetting& p) { return int(p.StopBit); });
    field("Packet", Long, [](const PortSetting& p) { return int(p.Packet); });
    field("Hand", Long, [](const PortSetting& p) { return int(p.HandShake); });
    field("EOMChar", Long, [](const PortSetting& p) { return p.EOMChar; });
    field("MaxFrame", Long, [](const PortSetting& p) { return p.MaxFrame; });
    field("CharTimer", Long, [](const PortSetting& p) { return p.CharTimer; });
    field("SID1", Long, [](const PortSetting& p) { return p.SID1; });
    field("SID2", Long, [](const PortSetting& p) { return p.SID2; });
    field("SIDType", Long, [](const PortSetting& p) { return int(p.SIDType); });
    field("EOMEnable", Boolean, [](const PortSetting& p) { return p.EOMEnable; });
    field("ISLive", Boolean, [](const PortSetting& p) { return p.ISLive; });
    field("ISSlip", Boolean, [](const PortSetting& p) { return p.ISSlip; });
}

// The 74 fields in the order the file format creates them. Each radio keeps only
// its own direction: the transmit side of TXRadio and the receive side of RXRadio.
const std::vector<Column>& columns()
{
    static const std::vector<Column> all = [] {
        std::vector<Column> c;
        const DataType Long = DataType::Long, Integer = DataType::Integer, Boolean = DataType::Boolean,
                       Double = DataType::Double, Text = DataType::Text;
        auto add = [&c](const char* name, DataType type, std::function<QVariant(const ModemSetting&)> value) {
            c.push_back({QString::fromLatin1(name), type, std::move(value)});
        };
        addPort(c, QStringLiteral("PortA"), &ModemSetting::PortA);
        add("PortBEnabled", Boolean, [](const ModemSetting& m) { return m.PortBEnabled; });
        addPort(c, QStringLiteral("PortB"), &ModemSetting::PortB);
        add("PTTTimeout", Long, [](const ModemSetting& m) { return m.PTTTimeout; });
        add("TXFreq", Double, [](const ModemSetting& m) { return m.TXRadio.TXFreq; });
        add("TXPower", Long, [](const ModemSetting& m) { return int(m.TXRadio.txpower); });
        add("Powerhl", Boolean, [](const ModemSetting& m) { return m.TXRadio.PowerHL; });
        add("TXDelay", Long, [](const ModemSetting& m) { return m.TXRadio.TXDelay; });
        add("PowerAlarm", Long, [](const ModemSetting& m) { return m.TXRadio.PowerAlarm; });
        add("TXFreqTrim", Long, [](const ModemSetting& m) { return int(m.TXRadio.TXFreqTrim); });
        add("TXType", Long, [](const ModemSetting& m) { return int(m.TXRadio.RadioType); });
        add("TXminTCT", Long, [](const ModemSetting& m) { return int(m.TXRadio.MinTCT); });
        add("TXmaxTCT", Long, [](const ModemSetting& m) { return int(m.TXRadio.MaxTCT); });
        add("TXTrimGain", Long, [](const ModemSetting& m) { return int(m.TXRadio.TXTrimGain); });
        add("TXCanFreqTrim", Boolean, [](const ModemSetting& m) { return m.TXRadio.CanFreqTrim; });
        add("RXFreq", Double, [](const ModemSetting& m) { return m.RXRadio.RXFreq; });
        add("RXFreqTrim", Long, [](const ModemSetting& m) { return int(m.RXRadio.RXFreqTrim); });
        add("RXType", Long, [](const ModemSetting& m) { return int(m.RXRadio.RadioType); });
        add("RXminTCT", Long, [](const ModemSetting& m) { return int(m.RXRadio.MinTCT); });
        add("RXmaxTCT", Long, [](const ModemSetting& m) { return int(m.RXRadio.MaxTCT); });
        add("RXTrimGain", Long, [](const ModemSetting& m) { return int(m.RXRadio.RXTrimGain); });
        add("RXCanFreqTrim", Boolean, [](const ModemSetting& m) { return m.RXRadio.CanFreqTrim; });
        add("firmware", Text, [](const ModemSetting& m) { return m.Firmware; });
        add("SerialNo", Text, [](const ModemSetting& m) { return m.SerialNo; });
        add("ModemType", Long, [](const ModemSetting& m) { return int(m.ModemType); });
        add("ModemID", Long, [](const ModemSetting& m) { return int(m.ModemID); });
        add("CAvoid", Long, [](const ModemSetting& m) { return int(m.CAvoid); });
        add("PTTControl", Long, [](const ModemSetting& m) { return m.PTTControl; });
        add("SIDCode", Boolean, [](const ModemSetting& m) { return m.SIDCode; });
        add("DiagEnable", Boolean, [](const ModemSetting& m) { return m.DiagEnable; });
        // Stored 16-bit: the field refuses what does not fit.
        add("DiagSID1", Integer, [](const ModemSetting& m) { return m.DiagSID1; });
        add("DiagSID2", Integer, [](const ModemSetting& m) { return m.DiagSID2; });
        add("NoOfSlot", Integer, [](const ModemSetting& m) { return m.NoOfSlot; });
        add("TimePerSlot", Integer, [](const ModemSetting& m) { return m.TimePerSlot; });
        add("TryBeforeTX", Boolean, [](const ModemSetting& m) { return m.TryBeforeTX; });
        add("DiagRepeat", Boolean, [](const ModemSetting& m) { return m.DiagRepeat; });
        add("RSSI", Integer, [](const ModemSetting& m) { return m.RSSI; });
        add("HDX", Boolean, [](const ModemSetting& m) { return m.HDX; });
        add("ExtRF", Boolean, [](const ModemSetting& m) { return m.ExtRF; });
        add("BaudRate9600", Boolean, [](const ModemSetting& m) { return m.BaudRate9600; });
        add("DiagsEditable", Boolean, [](const ModemSetting& m) { return m.DiagsEditable; });
        add("RXFirmware", Text, [](const ModemSetting& m) { return m.RXRadio.Firmware; });
        add("TXFirmware", Text, [](const ModemSetting& m) { return m.TXRadio.Firmware; });
        add("ProgrammerVersion", Double, [](const ModemSetting&) { return ConfigurationFile::FormatVersion; });
        add("TXSerial", Text, [](const ModemSetting& m) { return m.TXRadio.SerialNo; });
        add("RXSerial", Text, [](const ModemSetting& m) { return m.RXRadio.SerialNo; });
        return c;
    }();
    return all;
}

// A hidden name in the file's folder that no other save uses.
QString temporaryPath(const QString& path)
{
    const QFileInfo target(path);
    const QString tag = QString::number(QRandomGenerator::global()->generate(), 16);
    return target.dir().filePath(QLatin1Char('.') + target.fileName() + QLatin1Char('.') + tag);
}

void discard(const QString& temporary)
{
    QFile::remove(temporary);
    QFile::remove(temporary + QStringLiteral("-journal"));
}

RuntimeError saveError(const QString& path, int error)
{
    return RuntimeError(75, QStringLiteral("Could not save the file '%1': %2.")
                                .arg(path, QString::fromLocal8Bit(std::strerror(error))));
}

// Waits until the file (or folder) is on the disk.
void syncToDisk(const QString& path, const QString& saved)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) throw saveError(saved, errno);
    const int result = ::fsync(fd);
    const int error = errno;
    ::close(fd);
    if (result != 0) throw saveError(saved, error);
}

// The complete file takes the place of the old one in one step, on the disk
// before the old one goes.
void replace(const QString& temporary, const QString& path)
{
    syncToDisk(temporary, path);
    if (std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(path).constData()) != 0)
        throw saveError(path, errno);
    syncToDisk(QFileInfo(path).path(), path);
}

// The Windows program's files are Jet databases; their header names the engine.
bool isJetDatabase(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray head = file.read(20);
    return head.mid(4, 15) == "Standard Jet DB" || head.mid(4, 15) == "Standard ACE DB";
}

RuntimeError notAConfigurationFile(const RuntimeError& error, const QString& path)
{
    QString text = QStringLiteral("'%1' is not a configuration file that this program can read.").arg(path);
    if (isJetDatabase(path))
        text += QStringLiteral(" It is a Microsoft Access database, as the Windows version of the programmer "
                               "saves its configurations; those files cannot be read here.");
    return RuntimeError(error.Number(), text);
}

}  // namespace

void ConfigurationFile::Write(const ModemSetting& modem, const QString& path)
{
    // A link is followed, so that the file it names is the one replaced.
    const QFileInfo info(path);
    const QString target = info.isSymLink() ? info.symLinkTarget() : path;
    const QString temporary = temporaryPath(target);
    try {
        Database database = Database::CreateDatabase(temporary);
        // The file is not in use until it is complete and synced, so it needs no journal.
        database.Execute(QStringLiteral("pragma journal_mode=off"));
        database.Execute(QStringLiteral("pragma synchronous=off"));
        TableDef table(TableName);
        for (const Column& column : columns()) table.AppendField(TableDef::CreateField(column.Name, column.Type));
        database.AppendTableDef(table);
        Recordset records = database.OpenRecordset(TableName);
        records.AddNew();
        for (const Column& column : columns()) records.SetField(column.Name, column.Value(modem));
        records.Update();
        records.Close();
        database.Close();
        replace(temporary, target);
    } catch (...) {
        discard(temporary);
        throw;
    }
}

QString ConfigurationFile::Resolved(const QString& path)
{
    if (path.isEmpty() || QFileInfo::exists(path)) return path;
    const QString withExtension = path + QStringLiteral(".mdb");
    return QFileInfo(withExtension).isFile() ? withExtension : path;
}

ConfigurationFile ConfigurationFile::Open(const QString& path)
{
    const QString file = Resolved(path);
    try {
        Database database = Database::OpenDatabase(file, true);
        Recordset records = database.OpenRecordset(TableName);
        records.MoveFirst();
        return ConfigurationFile(std::move(database), std::move(records));
    } catch (const RuntimeError& error) {
        if (error.Number() == DatabaseError::UnrecognizedFormat) throw notAConfigurationFile(error, file);
        throw;
    }
}

ConfigurationFile::ConfigurationFile(Database database, Recordset records)
    : database_(std::move(database)), records_(std::move(records))
{
}

bool ConfigurationFile::HasFormatVersion() const
{
    const QVariant version = records_.Field(QStringLiteral("ProgrammerVersion"));
    if (version.isNull()) return false;
    return FieldValue::ToDouble(version) == FormatVersion;
}

namespace {

// The conversions of the stored values into the members' types.
class Row {
public:
    explicit Row(const Recordset& records) : records_(records) {}

    int16_t Int16(const QString& name) const { return FieldValue::ToInt16(records_.Field(name)); }
    int32_t Int32(const QString& name) const { return FieldValue::ToInt32(records_.Field(name)); }
    bool Boolean(const QString& name) const { return FieldValue::ToBoolean(records_.Field(name)); }
    double Double(const QString& name) const { return FieldValue::ToDouble(records_.Field(name)); }
    QString Text(const QString& name) const { return FieldValue::ToText(records_.Field(name)); }

    // A field that may be missing or Null: the member then keeps its value.
    template <typename T>
    static void Guarded(T& member, const std::function<T()>& read)
    {
        try {
            member = read();
        } catch (const RuntimeError&) {
        }
    }

    // A port's fifteen fields, in the readers' order.
    void Port(PortSetting& port, const QString& prefix) const
    {
        auto name = [&](const char* field) { return prefix + QLatin1String(field); };
        port.CommSpeed = Int16(name("Speed"));
        port.DataBit = Int16(name("DataBit"));
        port.StopBit = Int16(name("StopBit"));
        port.Parity = Int16(name("Parity"));
        port.Packet = Int16(name("Packet"));
        port.HandShake = Int16(name("Hand"));
        port.EOMChar = Int32(name("EOMChar"));
        port.MaxFrame = Int32(name("MaxFrame"));
        port.CharTimer = Int32(name("CharTimer"));
        port.SID1 = Int32(name("SID1"));
        port.SID2 = Int32(name("SID2"));
        port.SIDType = Int16(name("SIDType"));
        port.ISLive = Boolean(name("ISLive"));
        port.EOMEnable = Boolean(name("EOMEnable"));
        port.ISSlip = Boolean(name("ISSLip"));
    }

private:
    const Recordset& records_;
};

}  // namespace

void ConfigurationFile::Read(ModemSetting& modem, RadioSpec& spec) const
{
    const Row row(records_);
    row.Port(modem.PortA, QStringLiteral("PortA"));
    row.Port(modem.PortB, QStringLiteral("PortB"));
    modem.PortBEnabled = row.Boolean("PortBEnabled");

    RadioSetting& tx = modem.TXRadio;
    tx.TXFreq = row.Double("TXFreq");
    tx.TXFreqTrim = row.Int16("TXFreqTrim");
    tx.TXTrimGain = row.Int16("TXTrimGain");
    tx.txpower = row.Int16("TXPower");
    tx.PowerHL = row.Boolean("Powerhl");
    tx.TXDelay = row.Int32("TXDelay");
    tx.PowerAlarm = row.Int32("PowerAlarm");
    tx.RadioType = row.Int16("TXtype");
    spec.GetRadioSpec(tx.RadioType);
    tx.Firmware = row.Text("TXFirmware");
    tx.MinTCT = row.Int16("TXMinTCT");
    tx.MaxTCT = row.Int16("TXMaxTCT");
    tx.MaxTXPower = spec.MaxTXPower;
    tx.MinTXPower = spec.MinTXPower;
    tx.TrimAdjustable = false;
    tx.CanFreqTrim = true;
    tx.SerialNo = QStringLiteral("------");
    Row::Guarded<QString>(tx.SerialNo, [&] { return row.Text("TXSerial"); });
    Row::Guarded<bool>(tx.CanFreqTrim, [&] { return row.Boolean("TXCanFreqTrim"); });

    RadioSetting& rx = modem.RXRadio;
    rx.RadioType = row.Int16("RXtype");
    rx.RXFreq = row.Double("RXFreq");
    rx.RXFreqTrim = row.Int16("RXFreqTrim");
    rx.RXTrimGain = row.Int16("RXTrimGain");
    rx.Firmware = row.Text("RXFirmware");
    rx.MinTCT = row.Int16("RXMinTCT");
    rx.MaxTCT = row.Int16("RXMaxTCT");
    rx.CanFreqTrim = true;
    rx.SerialNo = QStringLiteral("------");
    Row::Guarded<QString>(rx.SerialNo, [&] { return row.Text("RXSerial"); });
    Row::Guarded<bool>(rx.CanFreqTrim, [&] { return row.Boolean("RXCanFreqTrim"); });

    modem.PTTTimeout = row.Int32("PTTTimeout");
    modem.Firmware = row.Text("firmware");
    modem.SerialNo = row.Text("SerialNo");
    modem.ModemType = row.Int16("ModemType");
    modem.ModemID = row.Int16("ModemID");
    modem.PTTControl = row.Int32("PTTControl");
    modem.CAvoid = row.Int16("CAvoid");
    modem.SIDCode = row.Boolean("SIDCode");
    modem.DiagEnable = row.Boolean("DiagEnable");
    modem.DiagSID1 = row.Int32("DiagSID1");
    modem.DiagSID2 = row.Int32("DiagSID2");
    modem.NoOfSlot = row.Int32("NoOfSlot");
    modem.TimePerSlot = row.Int32("TimePerSlot");
    modem.TryBeforeTX = row.Boolean("TryBeforeTX");
    modem.DiagRepeat = row.Boolean("DiagRepeat");
    modem.RSSI = row.Int32("RSSI");
    modem.HDX = row.Boolean("HDX");
    modem.ExtRF = row.Boolean("ExtRF");
    modem.BaudRate9600 = row.Boolean("BaudRate9600");
    modem.DiagsEditable = true;
    Row::Guarded<bool>(modem.DiagsEditable, [&] { return row.Boolean("DiagsEditable"); });
    modem.WriteTxPwr = false;
    tx.WriteTxPwr = false;
    rx.WriteTxPwr = false;
}

void ConfigurationFile::ReadDefaults(ModemSetting& modem, RadioSpec& spec) const
{
    const Row row(records_);
    row.Port(modem.PortA, QStringLiteral("PortA"));
    row.Port(modem.PortB, QStringLiteral("PortB"));
    modem.PortBEnabled = row.Boolean("PortBEnabled");

    RadioSetting& tx = modem.TXRadio;
    spec.GetRadioSpec(tx.RadioType);
    tx.TXFreq = (spec.MinTXFreq + spec.MaxTXFreq) / 2;
    tx.TXFreqTrim = row.Int16("TXFreqTrim");
    tx.txpower = row.Int16("TXPower");
    tx.PowerHL = row.Boolean("Powerhl");
    tx.TXDelay = row.Int32("TXDelay");
    tx.PowerAlarm = row.Int32("PowerAlarm");

    RadioSetting& rx = modem.RXRadio;
    spec.GetRadioSpec(rx.RadioType);
    rx.RXFreq = (spec.MinRXFreq + spec.MaxRXFreq) / 2;
    rx.RXFreqTrim = row.Int16("RXFreqTrim");

    modem.PTTTimeout = row.Int32("PTTTimeout");
    modem.PTTControl = row.Int32("PTTControl");
    modem.CAvoid = row.Int16("CAvoid");
    modem.SIDCode = row.Boolean("SIDCode");
    modem.DiagSID1 = row.Int32("DiagSID1");
    modem.DiagSID2 = row.Int32("DiagSID2");
    modem.NoOfSlot = row.Int32("NoOfSlot");
    modem.TimePerSlot = row.Int32("TimePerSlot");
    modem.TryBeforeTX = row.Boolean("TryBeforeTX");
    modem.DiagRepeat = row.Boolean("DiagRepeat");
    modem.RSSI = row.Int32("RSSI");
}

void ConfigurationFile::Close()
{
    records_.Close();
    database_.Close();
}
