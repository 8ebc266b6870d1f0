#pragma once

#include "FileDialogs.h"
#include "PrinterDialog.h"

#include <QString>
#include <optional>

// The open and save dialogs answer the path of the step that opens them; a
// dialog opened by any other step is cancelled.
class ProbeFileDialogs : public FileDialogs {
public:
    // The next dialog's answer; none cancels it.
    void Answer(std::optional<QString> path) { answer_ = std::move(path); }

    std::optional<QString> GetOpenFileName(const Request& request) override;
    std::optional<QString> GetSaveFileName(const Request& request) override;

private:
    std::optional<QString> take();

    std::optional<QString> answer_;
};

// The printer dialog accepts with a PDF file as the printer, or is cancelled.
class ProbePrinterDialog : public PrinterDialog {
public:
    void Answer(std::optional<QString> pdf) { answer_ = std::move(pdf); }
    bool ChoosePrinter(QPrinter& printer) override;

private:
    std::optional<QString> answer_;
};

struct ProbeDialogs {
    ProbeFileDialogs Files;
    ProbePrinterDialog Printer;
};
