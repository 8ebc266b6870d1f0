#include "ProbePort.h"

#include "DeviceAccess.h"
#include "PortMap.h"
#include "RuntimeError.h"

#include <algorithm>
#include <chrono>
#include <thread>
#include <unistd.h>

ProbePort::~ProbePort() { close(); }

QString ProbePort::DeviceName() const { return devicePath_.isEmpty() ? PortMap::DevicePath(CommPort()) : devicePath_; }

void ProbePort::setPortOpen(bool open)
{
    if (!open) return close();
    if (PortOpen()) throw DeviceAccess::PortAlreadyOpen();
    fd_ = DeviceAccess::Open(DeviceName(), lockFolder_.isEmpty() ? PortMap::LockFolder() : lockFolder_);
}

void ProbePort::close()
{
    if (!PortOpen()) return;
    ::close(fd_);
    fd_ = -1;
}

QByteArray ProbePort::Input()
{
    if (!PortOpen()) throw DeviceAccess::PortNotOpen();
    return {};
}

void ProbePort::Output(const QByteArray&)
{
    if (!PortOpen()) throw DeviceAccess::PortNotOpen();
    throw RuntimeError::deviceUnavailable();
}

bool ProbePort::WaitForInput(int ms)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(std::max(ms, 0)));
    return false;
}
