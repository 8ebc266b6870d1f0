#pragma once

class QPrinter;

// The printer dialog: the user picks the printer (or a PDF file) and its settings.
class PrinterDialog {
public:
    virtual ~PrinterDialog() = default;
    // Sets the printer up as chosen; false when the user cancelled.
    virtual bool ChoosePrinter(QPrinter& printer) = 0;
};
