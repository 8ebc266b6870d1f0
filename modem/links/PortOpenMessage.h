#pragma once

#include <QString>

class LibraryContext;
class SerialPort;

// The box both links show when their port cannot be had: which port number,
// which device it stands for, and for the reasons a user can act on, what to do.
class PortOpenMessage {
public:
    // errorNumber: the RuntimeError the open raised.
    static QString Text(int commPort, const QString& device, int errorNumber);
    // Shown once an operation (LibraryContext::FirstPortFailure).
    static void Show(LibraryContext& context, const SerialPort& port, int errorNumber);

    // The group whose members may read and write the device; empty when the
    // device's group may not, or it cannot be told.
    static QString DeviceGroup(const QString& device);

    static const QString Title;
};
