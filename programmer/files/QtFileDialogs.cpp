#include "QtFileDialogs.h"

#include <QFileDialog>

namespace {

std::optional<QString> run(QFileDialog& dialog, const FileDialogs::Request& request)
{
    dialog.setDirectory(request.InitialFolder);
    const QStringList filters = QtFileDialogs::NameFilters(request.Filter);
    dialog.setNameFilters(filters);
    if (!filters.isEmpty()) dialog.selectNameFilter(filters.first());
    if (!request.FileName.isEmpty()) dialog.selectFile(request.FileName);
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

QStringList QtFileDialogs::NameFilters(const QString& filter)
{
    QStringList result;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        // "*.*" means every file; on Linux many names have no ".".
        for (QString& p : patterns)
            if (p == QLatin1String("*.*")) p = QStringLiteral("*");
        result << DisplayName(parts[i]) + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return result;
}

QString QtFileDialogs::DisplayName(QString name)
{
    // Desktop file dialogs take a filter's name up to its first "(", so the name's
    // own brackets are shown in a form that looks the same but does not end it.
    name.replace(QLatin1Char('('), QChar(0x2768));
    name.replace(QLatin1Char(')'), QChar(0x2769));
    return name;
}
