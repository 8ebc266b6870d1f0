#include "WizardDb.h"

#include "SqlFile.h"

#include <QColor>
#include <QDir>
#include <QImage>
#include <gtest/gtest.h>

namespace {

template <typename T>
QString sql(const std::optional<T>& value)
{
    if (!value) return QStringLiteral("NULL");
    if constexpr (std::is_same_v<T, QString>) return QStringLiteral("'") + QString(*value).replace('\'', "''") + '\'';
    else if constexpr (std::is_same_v<T, bool>) return *value ? QStringLiteral("1") : QStringLiteral("0");
    else return QString::number(*value);
}

}  // namespace

WizardDb::WizardDb(const QString& folder) : folder_(folder.isEmpty() ? dir_.path() : folder)
{
    QStringList columns;
    for (const auto& [name, value] : PresetColumns()) columns << name + QStringLiteral(" INTEGER");
    Run({QStringLiteral("CREATE TABLE startuppage (lowertype INTEGER, hightype INTEGER, StartUpPage INTEGER)"),
         QStringLiteral("CREATE TABLE pages (pageid INTEGER, Title TEXT, height REAL, width REAL)"),
         QStringLiteral("CREATE TABLE item (pageid INTEGER, ItemID INTEGER, TypeOfItem INTEGER, Title TEXT, "
                        "Picture TEXT, \"Left\" INTEGER, \"Top\" INTEGER, Width INTEGER, height INTEGER, "
                        "FontName TEXT, Fontsize REAL, FontStyle INTEGER, ForeColor INTEGER, DiagsOnly BOOLEAN, "
                        "action INTEGER, ActionParam1 INTEGER, ActionParam2 INTEGER)"),
         QStringLiteral("CREATE TABLE WizardSetting (SetID INTEGER, ") + columns.join(QStringLiteral(", ")) + ')'});
}

QString WizardDb::Path() const { return QDir(folder_).filePath(QStringLiteral("Wizard.mdb")); }

void WizardDb::Run(const QStringList& statements) const { SqlFile::Run(Path(), statements); }

void WizardDb::StartUp(int lower, int high, int page)
{
    Run({QStringLiteral("INSERT INTO startuppage VALUES (%1, %2, %3)").arg(lower).arg(high).arg(page)});
}

void WizardDb::Page(int pageId, const QString& title, double height, double width)
{
    Run({QStringLiteral("INSERT INTO pages VALUES (%1, %2, %3, %4)")
             .arg(pageId)
             .arg(sql(std::optional<QString>(title)))
             .arg(height)
             .arg(width)});
}

void WizardDb::AddItem(const Item& i)
{
    const QStringList values = {QString::number(i.PageId), QString::number(i.ItemId), sql(i.TypeOfItem),
                                sql(i.Title),     sql(i.Picture),    sql(i.Left),      sql(i.Top),
                                sql(i.Width),     sql(i.Height),     sql(i.FontName),  sql(i.FontSize),
                                sql(i.FontStyle), sql(i.ForeColor),  sql(i.DiagsOnly), sql(i.Action),
                                sql(i.Param1),    sql(i.Param2)};
    Run({QStringLiteral("INSERT INTO item VALUES (") + values.join(QStringLiteral(", ")) + ')'});
}

void WizardDb::Button(int pageId, int itemId, std::optional<int> action, std::optional<int> param1,
                      std::optional<int> param2, const QString& title)
{
    Item item;
    item.PageId = pageId;
    item.ItemId = itemId;
    item.TypeOfItem = 0;
    item.Title = title;
    item.Action = action;
    item.Param1 = param1;
    item.Param2 = param2;
    AddItem(item);
}

const QList<std::pair<QString, QString>>& WizardDb::PresetColumns()
{
    // Values that differ from what a modem holds as delivered, so that every
    // member a preset stores can be seen to change.
    static const QList<std::pair<QString, QString>> columns = {
        {"PortASpeed", "3"},     {"PortADataBit", "7"},   {"PortAStopBit", "2"},   {"PortAParity", "1"},
        {"PortAPacket", "2"},    {"PortAHand", "0"},      {"PortAEOMChar", "10"},  {"PortAMaxFrame", "200"},
        {"PortACharTimer", "7"}, {"PortASID1", "41"},     {"PortASID2", "42"},     {"PortASIDType", "2"},
        {"PortAISLive", "1"},    {"PortAEOMEnable", "1"}, {"PortAISSLip", "1"},    {"PortBSpeed", "2"},
        {"PortBDataBit", "7"},   {"PortBStopBit", "2"},   {"PortBParity", "2"},    {"PortBPacket", "3"},
        {"PortBHand", "1"},      {"PortBEOMChar", "4"},   {"PortBMaxFrame", "100"}, {"PortBCharTimer", "5"},
        {"PortBSID1", "51"},     {"PortBSID2", "52"},     {"PortBSIDType", "3"},   {"PortBISLive", "1"},
        {"PortBEOMEnable", "1"}, {"PortBISSLip", "0"},    {"PortBEnabled", "1"},   {"TXDelay", "35"},
        {"PowerAlarm", "1500"},  {"PTTTimeout", "45"},    {"PTTControl", "2"},     {"CAvoid", "9"},
        {"SIDCode", "1"},        {"DiagSID1", "61"},      {"DiagSID2", "62"},      {"NoOfSlot", "6"},
        {"TimePerSlot", "25"},   {"TryBeforeTX", "1"},    {"DiagRepeat", "1"},     {"RSSI", "-97"},
    };
    return columns;
}

void WizardDb::Preset(int setId, const QMap<QString, QString>& values)
{
    QStringList row = {QString::number(setId)};
    for (const auto& [name, base] : PresetColumns()) row << values.value(name, base);
    Run({QStringLiteral("INSERT INTO WizardSetting VALUES (") + row.join(QStringLiteral(", ")) + ')'});
}

void WizardDb::Picture(const QString& name, const QColor& colour, int side) const
{
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(colour);
    EXPECT_TRUE(image.save(QDir(folder_).filePath(name), "PNG")) << name.toStdString();
}
