// Printing the configuration sheet.
#include "MainForm.h"

#include "DataControl.h"
#include "ModemQueries.h"
#include "PrintSet.h"
#include "PrintSheet.h"
#include "QtPrinterDialog.h"
#include "RuntimeError.h"
#include "VellModem.h"

#include <QPrinter>

namespace {

// A port's two default packet presets of the modem's row; Null is no preset.
PrintSheet::Presets presetsOf(const DataControl& modemData, const QString& port)
{
    PrintSheet::Presets presets;
    if (!modemData.HasRecords() || modemData.Eof()) return presets;
    const CheckedRow row = modemData.Row(ModemQueries::ModemTable);
    auto setting = [&](int i) -> std::optional<int16_t> {
        const QString field = port + QStringLiteral("PackDefSetting%1").arg(i);
        if (row.IsNull(field)) return std::nullopt;
        return row.Int16(field);
    };
    auto text = [&](int i) { return modemData.Field(port + QStringLiteral("PackDefText%1").arg(i)).toString(); };
    presets.Setting1 = setting(1);
    presets.Setting2 = setting(2);
    presets.Text1 = text(1);
    presets.Text2 = text(2);
    return presets;
}

}  // namespace

PrinterDialog& MainForm::printerDialog()
{
    if (seams_.printer) return *seams_.printer;
    if (!ownPrinterDialog_) ownPrinterDialog_ = std::make_unique<QtPrinterDialog>(this);
    return *ownPrinterDialog_;
}

PrintSet& MainForm::printSet()
{
    if (!printSet_) {
        printSet_ = new PrintSet(this);
        printSet_->Form_Load();
    }
    return *printSet_;
}

void MainForm::Menu_Print_Click()
{
    if (MainFormBusy || !VellModem1->Working() || !commandEnabled("TPrint")) return;
    ResetAllText();
    try {
        CurrentModem.PortA.Packet = MatchPacket(CurrentModem.PortA);
        CurrentModem.PortB.Packet = MatchPacket(CurrentModem.PortB);
        const PrintSheet sheet(CurrentModem, presetsOf(*ModemData, QStringLiteral("A")),
                               presetsOf(*ModemData, QStringLiteral("B")));
        QPrinter printer(QPrinter::HighResolution);
        if (!printerDialog().ChoosePrinter(printer)) return;
        printSet().Fill(sheet);
        printSet().PrintTo(printer);
    } catch (const RuntimeError& error) {
        ShowError(error);
    }
}
