#include "SerialPort.h"

void SerialPort::setSettings(const QString& settings)
{
    settings_ = settings;
    if (PortOpen()) applyLineSettings();
}

void SerialPort::setRTSEnable(bool on)
{
    rts_ = on;
    if (PortOpen()) applyModemLines();
}

void SerialPort::setDTREnable(bool on)
{
    dtr_ = on;
    if (PortOpen()) applyModemLines();
}

int SerialPort::BaudRate() const { return settings_.section(QLatin1Char(','), 0, 0).trimmed().toInt(); }
