#include "WizardData.h"

#include "DatabaseError.h"
#include "CheckedRow.h"

namespace {

using Range = CheckedRow::Range;

// A page as large as its items' 16-bit positions can reach, and at least a pixel.
const Range PageSize = Range::Between(15, 32767);
// Far beyond any page, well within what a font can be drawn at.
const Range FontSize = Range::Between(0, 1000);
// A Long colour as its 32 bits: a system colour (&H80000012) may be stored as a
// negative number or as one above the Long range.
const Range Colour = Range::Between(-2147483648.0, 4294967295.0);

uint32_t colourOf(const CheckedRow& row)
{
    if (row.IsNull(QStringLiteral("ForeColor"))) return 0;
    return uint32_t(int64_t(row.Double(QStringLiteral("ForeColor"), Colour)));
}

WizardItem itemOf(const CheckedRow& row, int16_t kind)
{
    WizardItem item;
    item.TypeOfItem = kind;
    item.Title = row.TextOrEmpty(QStringLiteral("Title"));
    item.Picture = row.TextOrEmpty(QStringLiteral("Picture")).trimmed();
    item.Left = row.Int16(QStringLiteral("Left"));
    item.Top = row.Int16(QStringLiteral("Top"));
    item.Width = row.Int16(QStringLiteral("Width"), Range::AtLeast(0));
    item.Height = row.Int16(QStringLiteral("height"), Range::AtLeast(0));
    item.FontName = row.TextOrEmpty(QStringLiteral("FontName")).trimmed();
    item.FontSize = row.IsNull(QStringLiteral("Fontsize")) ? 0 : row.Double(QStringLiteral("Fontsize"), FontSize);
    item.FontStyle = row.IsNull(QStringLiteral("FontStyle")) ? 0 : row.Int16(QStringLiteral("FontStyle"));
    item.ForeColor = colourOf(row);
    if (kind == WizardItem::ButtonItem) {
        item.Action = row.Int16(QStringLiteral("action"));
        item.Param1 = row.IsNull(QStringLiteral("ActionParam1")) ? 0 : row.Int16(QStringLiteral("ActionParam1"));
        item.Param2 =
            row.IsNull(QStringLiteral("ActionParam2")) ? item.Param1 : row.Int16(QStringLiteral("ActionParam2"));
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
    return CheckedRow(rs, QStringLiteral("startuppage")).Int16(QStringLiteral("StartUpPage"));
}

WizardPage WizardData::Page(int16_t pageId, bool diagEnable)
{
    const QString id = QString::number(pageId);
    Recordset pages = db_.OpenRecordset(QStringLiteral("select * from pages where pageid=") + id);
    if (pages.Eof()) throw DatabaseError::noCurrentRecord();
    WizardPage page;
    const CheckedRow pageRow(pages, QStringLiteral("pages"));
    page.Height = pageRow.Double(QStringLiteral("height"), PageSize);
    page.Width = pageRow.Double(QStringLiteral("width"), PageSize);
    page.Title = pageRow.TextOrEmpty(QStringLiteral("Title"));

    Recordset items =
        db_.OpenRecordset(QStringLiteral("SELECT * FROM item WHERE pageid=") + id + QStringLiteral(" ORDER BY ItemID;"));
    // A page without items could only be closed: the content is wrong.
    if (items.Eof()) throw DatabaseError::noCurrentRecord();
    const CheckedRow item(items, QStringLiteral("item"));
    for (; !items.Eof(); items.MoveNext()) {
        // A Null DiagsOnly keeps the item for modems with diagnostics.
        const QString diagsOnly = QStringLiteral("DiagsOnly");
        if ((item.IsNull(diagsOnly) || item.Boolean(diagsOnly)) && !diagEnable) continue;
        const int16_t kind = item.Int16(QStringLiteral("TypeOfItem"));
        if (kind < WizardItem::ButtonItem || kind > WizardItem::CheckBoxItem) continue;
        page.Items.push_back(itemOf(item, kind));
    }
    return page;
}
