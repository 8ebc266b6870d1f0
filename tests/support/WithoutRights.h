#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <string>
#include <sys/types.h>

// Takes away the right to open a device from what runs in a child while the
// object lives: the child drops to the user "nobody" when this process is root
// (who may open anything); otherwise the device is made unreadable until the
// object goes.
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
