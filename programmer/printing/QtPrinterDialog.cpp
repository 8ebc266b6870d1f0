#include "QtPrinterDialog.h"

#include <QPrintDialog>
#include <QPrinter>

bool QtPrinterDialog::ChoosePrinter(QPrinter& printer)
{
    QPrintDialog dialog(&printer, parent_);
    // One page: no range, no selection.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    return dialog.exec() == QDialog::Accepted;
}
