#include "ReplyCount.h"

#include "SimProfile.h"

ReplyCount::ReplyCount(const std::string& profile)
{
    context.DatabasePath = MODEM_DATABASE_PATH;
    modem.Profile() = SimProfile::Load(std::string(SIM_PROFILES_DIR) + "/" + profile + ".profile");
    modem.Profile().Faults.SilenceAfter = Uncounted;
    modem.Profile().Faults.RadioSilenceAfter = Uncounted;
    modem.PowerCycle(clock.NowMs());
}

void ReplyCount::Read()
{
    int16_t type = 0, tx = 0, rx = 0;
    control.CreatModem(type, tx, rx);
    control.ReadModemSetting(setting);
    bool display = false;
    control.QuerySetting(setting, display);
}
