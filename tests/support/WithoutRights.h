#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <string>
#include <sys/types.h>

// Makes a device unreadable while the object lives, and takes from a child the
// privilege that would open it all the same: root's right to override file
// permissions (dropped for good, so that a program the child starts has it no
// more either). The child keeps its user, so it reaches everything else as before.
class WithoutRights {
public:
    explicit WithoutRights(const QString& device);
    ~WithoutRights();
    WithoutRights(const WithoutRights&) = delete;
    WithoutRights& operator=(const WithoutRights&) = delete;

    // What a child runs before its work (a QProcess child modifier, say).
    static void InChild();
    // Runs the body in such a child: what it returns, or "child failed".
    std::string Run(const std::function<std::string()>& body) const;

private:
    QByteArray path_;
    bool restore_ = false;
    mode_t mode_ = 0;
};
