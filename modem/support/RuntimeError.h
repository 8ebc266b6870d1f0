#pragma once

#include <QString>
#include <stdexcept>

// A raised run-time error: a number and a description, caught only where an
// operation has its own error handler.
class RuntimeError : public std::runtime_error {
public:
    enum Number {
        InvalidArgument = 5,
        Overflow = 6,
        TypeMismatch = 13,
        DeviceUnavailable = 68,
        PermissionDenied = 70,
        InvalidPortNumber = 8002,
        PortAlreadyOpen = 8005,
        PortNotOpen = 8018,
    };

    RuntimeError(int number, const QString& description);

    static RuntimeError deviceUnavailable();
    static RuntimeError overflow();
    static RuntimeError invalidArgument();
    static RuntimeError typeMismatch();

    int Number() const { return number_; }
    const QString& Description() const { return description_; }

private:
    int number_;
    QString description_;
};
