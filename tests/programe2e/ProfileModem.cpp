#include "ProfileModem.h"

#include "ProfileCase.h"

namespace {

const QString DumpName = QStringLiteral("memory.profile");

}  // namespace

ProfileModem::ProfileModem(const ProfileCase& profile)
    : profile_(profile), sim_({profile.ProfilePath(), QStringLiteral("--dump"), dir_.filePath(DumpName)})
{
}

std::vector<ProgramProbe::Trigger> ProfileModem::Triggers() const
{
    if (!profile_.startsOff) return {};
    return {PowerUpWhenAsked(1)};
}

ProgramProbe::Trigger ProfileModem::PowerUpWhenAsked(int waitWindow) const
{
    return ProgramProbe::PowerUpWhenAsked(sim_, waitWindow);
}

ModemImage ProfileModem::Original() const { return ModemImage::Load(profile_.ProfilePath()); }

ModemImage ProfileModem::Stop()
{
    if (sim_.Stop() != 0) return ModemImage();
    return ModemImage::Load(dir_.filePath(DumpName));
}
