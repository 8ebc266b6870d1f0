#pragma once

#include "PrinterDialog.h"

class QWidget;

// The platform's printer dialog; it offers printing to a PDF file also where no
// printer is set up.
class QtPrinterDialog : public PrinterDialog {
public:
    explicit QtPrinterDialog(QWidget* parent) : parent_(parent) {}
    bool ChoosePrinter(QPrinter& printer) override;

private:
    QWidget* parent_;
};
