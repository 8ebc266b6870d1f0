#include "SaveName.h"

#include <QDir>
#include <QFileInfo>

SaveName::SaveName(const QString& chosen) : chosen_(chosen)
{
    const QFileInfo info(chosen);
    folder_ = info.path();
    const QString file = info.fileName();
    const qsizetype dot = file.indexOf(QLatin1Char('.'));
    name_ = dot < 0 ? file : file.left(dot);
}

QString SaveName::Base() const
{
    return folder_.endsWith(QLatin1Char('/')) ? folder_ + name_ : folder_ + QLatin1Char('/') + name_;
}

QString SaveName::Path() const { return Base() + QStringLiteral(".mdb"); }

bool SaveName::IsChosenFile() const { return QDir::cleanPath(chosen_) == QDir::cleanPath(Path()); }

QString SaveName::ListedFile(const QString& entry)
{
    const SaveName saved(entry);
    return saved.Base() == entry && QFileInfo(saved.Path()).isFile() ? saved.Path() : entry;
}
