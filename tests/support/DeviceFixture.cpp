#include "DeviceFixture.h"

DeviceFixture::DeviceFixture(const QStringList& simArguments) : sim(simArguments)
{
    port.SetDevicePath(sim.DevicePath());
}

bool DeviceFixture::Connect()
{
    comm.OpenModemPort(port);
    if (comm.ModemErrorCode != 0) return false;
    if (comm.ReadModemChar(port) != QStringLiteral("?")) return false;
    comm.EnterModemCommandMode(port);
    return comm.ModemErrorCode == 0;
}
