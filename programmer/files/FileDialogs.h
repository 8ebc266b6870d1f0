#pragma once

#include <QString>
#include <optional>

// The open and save dialogs. Cancel gives no path.
class FileDialogs {
public:
    struct Request {
        // The folder shown first.
        QString InitialFolder;
        // The name proposed in the name field (the last one used); may hold a path.
        QString FileName;
        // Choices as "caption|patterns|caption|patterns", patterns joined by ";";
        // the first is selected.
        QString Filter;
    };

    virtual ~FileDialogs() = default;
    // The chosen path of an existing file.
    virtual std::optional<QString> GetOpenFileName(const Request& request) = 0;
    // The chosen path; the dialog has asked before replacing an existing file.
    virtual std::optional<QString> GetSaveFileName(const Request& request) = 0;
};
