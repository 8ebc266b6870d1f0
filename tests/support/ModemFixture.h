#pragma once

#include "ContextFixture.h"
#include "LibraryContext.h"
#include "LoopbackPort.h"
#include "ModemLinks.h"
#include "RecordingProgressView.h"
#include "RuntimeError.h"
#include "ScriptedPrompt.h"
#include "SimModem.h"

#include <gtest/gtest.h>

#include <QString>

// The library's modem link wired to a simulated modem on a fake clock, with
// every message box recorded.
class ModemFixture : public ContextFixture {
protected:
    ModemFixture();

    // Takes the simulated modem into command mode, as after a power-up.
    void EnterCommandMode();
    // The commands the modem received, without framing.
    std::vector<std::string> Commands() const { return modem.CommandLog(); }
    // Runs the body and expects it to raise error 68.
    template <typename F>
    void ExpectError68(F&& body);
    void SetByte(int address, int value) { modem.SetMemory(address, {uint8_t(value)}); }
    void SetWord(int address, int value) { modem.SetMemory(address, {uint8_t(value >> 8), uint8_t(value)}); }
    void SetFirmware(const std::string& version);
    void SetProductVersion(const std::string& versions);
    void SetRssiSample(int sample);
    // The commands the modem received after the given count of earlier ones.
    std::vector<std::string> CommandsSince(size_t count) const;
    int Byte(int address) const { return modem.Memory(address); }

    SimModem modem;
    LoopbackPort port{modem, clock};
    ModemLinks links{context};
    ModemComm& comm = links.Comm;
    ModemCommands& commands = links.Commands;
    ModemWrite& writer = links.Writer;
    RadioComm& radio = links.Radio;
    RadioCommands& radioCommands = links.RadioCmds;
    RadioWrite& radioWriter = links.RadioWriter;
};

template <typename F>
void ModemFixture::ExpectError68(F&& body)
{
    EXPECT_EQ(RaisedNumber(std::forward<F>(body)), 68);
}
