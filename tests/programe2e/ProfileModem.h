#pragma once

#include "ModemImage.h"
#include "ProgramProbe.h"
#include "SimProcess.h"

#include <QTemporaryDir>
#include <vector>

struct ProfileCase;

// One profile's modem played by modemsim on a pseudo-terminal; its memory is
// dumped when it stops.
class ProfileModem {
public:
    explicit ProfileModem(const ProfileCase& profile);

    const QString& DevicePath() const { return sim_.DevicePath(); }
    // What a modem that starts off needs: a power cycle once the program first waits for it.
    std::vector<ProgramProbe::Trigger> Triggers() const;
    // A power cycle at the waitWindow-th wait window of the run: a modem left
    // alone after its power-up stops prompting and waits for one.
    ProgramProbe::Trigger PowerUpWhenAsked(int waitWindow) const;
    // The memory the modem started with.
    ModemImage Original() const;
    // Stops the modem; its memory then.
    ModemImage Stop();

private:
    const ProfileCase& profile_;
    QTemporaryDir dir_;
    SimProcess sim_;
};
