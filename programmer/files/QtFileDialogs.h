#pragma once

#include "FileDialogs.h"

#include <QStringList>

class QFileDialog;
class QWidget;

// The open and save dialogs of the platform, over the window that asks.
class QtFileDialogs : public FileDialogs {
public:
    explicit QtFileDialogs(QWidget* parent) : parent_(parent) {}

    std::optional<QString> GetOpenFileName(const Request& request) override;
    std::optional<QString> GetSaveFileName(const Request& request) override;

    // "caption|*.mdb;*.dat|All File|*.*" as the dialog's name filters:
    // "caption (*.mdb *.dat)", "All File (*)".
    static QStringList NameFilters(const QString& filter);
    // The dialog as it opens for the request: folder, filters, name.
    static void Prepare(QFileDialog& dialog, const Request& request);

private:
    QWidget* parent_;
};
