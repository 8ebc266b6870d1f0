#include "ProbeDialogs.h"

#include <QPrinter>

std::optional<QString> ProbeFileDialogs::take()
{
    std::optional<QString> answer = std::move(answer_);
    answer_.reset();
    return answer;
}

std::optional<QString> ProbeFileDialogs::GetOpenFileName(const Request&) { return take(); }

std::optional<QString> ProbeFileDialogs::GetSaveFileName(const Request&) { return take(); }

bool ProbePrinterDialog::ChoosePrinter(QPrinter& printer)
{
    const std::optional<QString> pdf = std::move(answer_);
    answer_.reset();
    if (!pdf) return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(*pdf);
    return true;
}
