#include "QtFileDialogs.h"

#include <QFileDialog>

namespace {

std::optional<QString> run(QFileDialog& dialog, const FileDialogs::Request& request)
{
    QtFileDialogs::Prepare(dialog, request);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first();
}

}  // namespace

std::optional<QString> QtFileDialogs::GetOpenFileName(const Request& request)
{
    QFileDialog dialog(parent_);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return run(dialog, request);
}

std::optional<QString> QtFileDialogs::GetSaveFileName(const Request& request)
{
    QFileDialog dialog(parent_);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    return run(dialog, request);
}

void QtFileDialogs::Prepare(QFileDialog& dialog, const Request& request)
{
    // The desktops' own dialogs cut a filter's name at its first "(", which lists
    // "Microsoft Access(*.mdb) & Dat Files(*.dat)" and "Microsoft Access(*.mdb)" alike;
    // Qt's dialog takes the patterns from the last brackets and shows the name whole.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setDirectory(request.InitialFolder);
    const QStringList filters = NameFilters(request.Filter);
    dialog.setNameFilters(filters);
    if (!filters.isEmpty()) dialog.selectNameFilter(filters.first());
    if (!request.FileName.isEmpty()) dialog.selectFile(request.FileName);
}

QStringList QtFileDialogs::NameFilters(const QString& filter)
{
    QStringList result;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        // "*.*" means every file; on Linux many names have no ".".
        for (QString& p : patterns)
            if (p == QLatin1String("*.*")) p = QStringLiteral("*");
        result << parts[i] + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return result;
}
