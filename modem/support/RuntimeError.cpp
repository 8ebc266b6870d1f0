#include "RuntimeError.h"

RuntimeError::RuntimeError(int number, const QString& description)
    : std::runtime_error(description.toStdString()), number_(number), description_(description)
{
}

RuntimeError RuntimeError::deviceUnavailable() { return {DeviceUnavailable, QStringLiteral("Device unavailable")}; }
RuntimeError RuntimeError::overflow() { return {Overflow, QStringLiteral("Overflow")}; }
RuntimeError RuntimeError::invalidArgument()
{
    return {InvalidArgument, QStringLiteral("Invalid procedure call or argument")};
}
RuntimeError RuntimeError::typeMismatch() { return {TypeMismatch, QStringLiteral("Type mismatch")}; }
