#pragma once

#include "DevicePort.h"
#include "LibraryContext.h"
#include "ModemLinks.h"
#include "ProgressView.h"
#include "RuntimeError.h"
#include "ScriptedPrompt.h"
#include "SimProcess.h"
#include "SystemClock.h"

#include <QStringList>
#include <chrono>
#include <memory>

// The library on a real serial device: modemsim's pseudo-terminal, the system
// clock and a recorded prompt.
class DeviceFixture {
public:
    explicit DeviceFixture(const QStringList& simArguments = {});

    // Opens the link and takes the modem from its power-up prompt into command mode.
    bool Connect();
    // Milliseconds the body took, and the number of the error it raised (0: none).
    template <typename F>
    std::pair<int64_t, int> Timed(F&& body);

    SimProcess sim;
    SystemClock clock;
    ScriptedPrompt prompt;
    NullProgressView progress;
    LibraryContext context{clock, prompt, progress};
    DevicePort port;
    ModemLinks links{context};
    ModemComm& comm = links.Comm;
    ModemCommands& commands = links.Commands;
    ModemWrite& writer = links.Writer;
    RadioComm& radio = links.Radio;
    RadioCommands& radioCommands = links.RadioCmds;
    RadioWrite& radioWriter = links.RadioWriter;
};

template <typename F>
std::pair<int64_t, int> DeviceFixture::Timed(F&& body)
{
    const int64_t start = clock.NowMs();
    int error = 0;
    try {
        body();
    } catch (const RuntimeError& e) {
        error = e.Number();
    }
    return {clock.NowMs() - start, error};
}
