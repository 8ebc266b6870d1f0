#pragma once

#include <QSettings>
#include <QString>
#include <QStringList>

// Which device a port number stands for: the user's own choice in the
// settings (group "Ports", key "Port<n>") first, else the n-th serial device
// of the system in a stable order.
class PortMap {
public:
    // Reads the user settings of "ZenvoProgrammer" and the devices in /dev.
    static QString DevicePath(int port);
    static QString DevicePath(int port, QSettings& settings,
                              const QString& deviceDir = QStringLiteral("/dev"));

    // The folder where serial tools leave their lock files: the user's choice
    // in group "Ports", key "LockFolder", else /var/lock.
    static QString LockFolder();
    static QString LockFolder(QSettings& settings);

    // ttyS*, then ttyUSB*, then ttyACM*, each by number (ttyS2 before ttyS10).
    // ttyS devices without a UART behind them are left out when that can be told.
    static QStringList SystemDevices(const QString& deviceDir = QStringLiteral("/dev"));
};
