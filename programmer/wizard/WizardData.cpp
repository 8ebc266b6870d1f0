#include "WizardData.h"

#include "DatabaseError.h"
#include "FieldValue.h"

namespace {

using namespace FieldValue;

QString textOrEmpty(const QVariant& value) { return value.isNull() ? QString() : ToText(value); }

// A Long colour as its 32 bits: a system colour (&H80000012) may be stored as a
// negative number or as one above the Long range.
uint32_t colourOf(const QVariant& value)
{
    if (value.isNull()) return 0;
    return uint32_t(int64_t(ToDouble(value)));
}

WizardItem itemOf(const Recordset& rs, int16_t kind)
{
    WizardItem item;
    item.TypeOfItem = kind;
    item.Title = textOrEmpty(rs.Field(QStringLiteral("Title")));
    item.Picture = textOrEmpty(rs.Field(QStringLiteral("Picture"))).trimmed();
    item.Left = ToInt16(rs.Field(QStringLiteral("Left")));
    item.Top = ToInt16(rs.Field(QStringLiteral("Top")));
    item.Width = ToInt16(rs.Field(QStringLiteral("Width")));
    item.Height = ToInt16(rs.Field(QStringLiteral("height")));
    item.FontName = textOrEmpty(rs.Field(QStringLiteral("FontName"))).trimmed();
    const QVariant size = rs.Field(QStringLiteral("Fontsize"));
    item.FontSize = size.isNull() ? 0 : ToDouble(size);
    const QVariant style = rs.Field(QStringLiteral("FontStyle"));
    item.FontStyle = style.isNull() ? 0 : ToInt16(style);
    item.ForeColor = colourOf(rs.Field(QStringLiteral("ForeColor")));
    if (kind == WizardItem::ButtonItem) {
        item.Action = ToInt16(rs.Field(QStringLiteral("action")));
        const QVariant first = rs.Field(QStringLiteral("ActionParam1"));
        const QVariant second = rs.Field(QStringLiteral("ActionParam2"));
        item.Param1 = first.isNull() ? 0 : ToInt16(first);
        item.Param2 = second.isNull() ? item.Param1 : ToInt16(second);
    }
    return item;
}

}  // namespace

WizardData::WizardData(const QString& path) : db_(Database::OpenDatabase(path, true)) {}

int16_t WizardData::StartUpPage(int16_t buildType)
{
    const QString t = QString::number(buildType);
    Recordset rs = db_.OpenRecordset(QStringLiteral("select * from startuppage where lowertype<=") + t +
                                     QStringLiteral(" and hightype>=") + t);
    if (rs.Eof()) throw DatabaseError::noCurrentRecord();
    return ToInt16(rs.Field(QStringLiteral("StartUpPage")));
}

WizardPage WizardData::Page(int16_t pageId, bool diagEnable)
{
    const QString id = QString::number(pageId);
    Recordset pages = db_.OpenRecordset(QStringLiteral("select * from pages where pageid=") + id);
    if (pages.Eof()) throw DatabaseError::noCurrentRecord();
    WizardPage page;
    page.Height = ToDouble(pages.Field(QStringLiteral("height")));
    page.Width = ToDouble(pages.Field(QStringLiteral("width")));
    page.Title = textOrEmpty(pages.Field(QStringLiteral("Title")));

    Recordset items =
        db_.OpenRecordset(QStringLiteral("SELECT * FROM item WHERE pageid=") + id + QStringLiteral(" ORDER BY ItemID;"));
    // A page without items could only be closed: the content is wrong.
    if (items.Eof()) throw DatabaseError::noCurrentRecord();
    for (; !items.Eof(); items.MoveNext()) {
        // A Null DiagsOnly keeps the item for modems with diagnostics.
        const QVariant diagsOnly = items.Field(QStringLiteral("DiagsOnly"));
        if ((diagsOnly.isNull() || ToBoolean(diagsOnly)) && !diagEnable) continue;
        const int16_t kind = ToInt16(items.Field(QStringLiteral("TypeOfItem")));
        if (kind < WizardItem::ButtonItem || kind > WizardItem::CheckBoxItem) continue;
        page.Items.push_back(itemOf(items, kind));
    }
    return page;
}
