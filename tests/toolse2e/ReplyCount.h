#pragma once

#include "FakeClock.h"
#include "LibraryContext.h"
#include "LoopbackPort.h"
#include "ModemControl.h"
#include "ModemSetting.h"
#include "RecordingProgressView.h"
#include "ScriptedPrompt.h"
#include "SimModem.h"
#include "WaitView.h"

#include <string>

// The same modem played in-process through the control, counting the reply
// bytes the modem and its radios send, so that modemsim can be told to fall
// silent at a chosen point of a harness run ("silence_after" and
// "radio_silence_after" count the same bytes).
class ReplyCount {
public:
    explicit ReplyCount(const std::string& profile);

    // The control's calls of the Read command.
    void Read();
    // Reply bytes sent so far.
    int ModemBytes() const { return Uncounted - modem.Profile().Faults.SilenceAfter; }
    int RadioBytes() const { return Uncounted - modem.Profile().Faults.RadioSilenceAfter; }

    FakeClock clock;
    ScriptedPrompt prompt;
    RecordingProgressView progress;
    LibraryContext context{clock, prompt, progress};
    SimModem modem;
    LoopbackPort port{modem, clock};
    class PoweredWait : public WaitView {
    public:
        bool ShowModal(SerialPort& p) override { return !p.WaitForInput(60000); }
    } wait;
    ModemControl control{context, port, wait};
    ModemSetting setting;

private:
    static constexpr int Uncounted = 1000000;
};
