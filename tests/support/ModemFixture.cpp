#include "ModemFixture.h"

#include "RuntimeError.h"

#include <algorithm>

ModemFixture::ModemFixture()
{
    port.setCommPort(1);
}

void ModemFixture::EnterCommandMode()
{
    comm.OpenModemPort(port);
    comm.EnterModemCommandMode(port);
    ASSERT_EQ(comm.ModemErrorCode, 0);
    port.ClearSent();
}

void ModemFixture::SetFirmware(const std::string& version) { modem.Profile().Firmware = version; }

void ModemFixture::SetProductVersion(const std::string& versions) { modem.Profile().ProductVersion = versions; }

void ModemFixture::SetRssiSample(int sample) { modem.Profile().Rssi[1] = sample; }

std::vector<std::string> ModemFixture::CommandsSince(size_t count) const
{
    const auto& log = modem.CommandLog();
    return {log.begin() + std::min(count, log.size()), log.end()};
}
