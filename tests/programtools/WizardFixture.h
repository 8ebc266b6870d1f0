#pragma once

#include "ModemSetting.h"
#include "ScriptedPrompt.h"
#include "WizardDb.h"
#include "WizardForm.h"

#include <gtest/gtest.h>

// The wizard on a database of the test's own, taken from its program folder, with
// scripted message boxes and the program's start-up values.
class WizardFixture : public ::testing::Test {
protected:
    explicit WizardFixture(const ModemSetting& start = ModemSetting());

    // A run that starts on the page, shown as the main window shows it.
    void Open(int page);

    ModemSetting modem;
    ScriptedPrompt prompt;
    WizardDb db;
    WizardForm wizard{modem, prompt};
};
