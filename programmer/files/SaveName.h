#pragma once

#include <QString>

// Where Save puts the configuration for the path chosen in the save dialog: in
// the chosen folder, under the chosen name up to its first ".", always as ".mdb"
// (site, site.mdb and site.a.mdb all give site.mdb).
class SaveName {
public:
    explicit SaveName(const QString& chosen);

    // The folder, without a trailing "/".
    const QString& Folder() const { return folder_; }
    // The name without anything from its first "."; empty when the chosen name
    // starts with "." and so cannot be saved.
    const QString& Name() const { return name_; }
    // The folder and the name: the path without extension, as the recent-file list keeps it.
    QString Base() const;
    // The file written: Base() and ".mdb".
    QString Path() const;
    // The file written is the one chosen, so the dialog has asked before replacing it.
    bool IsChosenFile() const;

    // The file to open for a recent entry: Save lists its files by their Base(), so
    // an entry that is one opens the ".mdb" file Save wrote whenever there is one,
    // whatever else bears the entry's own name; any other entry opens as it stands.
    static QString ListedFile(const QString& entry);

private:
    QString chosen_;
    QString folder_;
    QString name_;
};
