#pragma once

#include "FakeClock.h"
#include "LibraryContext.h"
#include "RecordingProgressView.h"
#include "RuntimeError.h"
#include "ScriptedPrompt.h"

#include <gtest/gtest.h>

// The library's context on a fake clock, with every message box and the
// progress bar recorded.
class ContextFixture : public ::testing::Test {
protected:
    // The number of the error the body raised, 0 for none.
    template <typename F>
    static int RaisedNumber(F&& body)
    {
        try {
            body();
        } catch (const RuntimeError& e) {
            return e.Number();
        }
        return 0;
    }

    FakeClock clock;
    ScriptedPrompt prompt;
    RecordingProgressView progress;
    LibraryContext context{clock, prompt, progress};
};
