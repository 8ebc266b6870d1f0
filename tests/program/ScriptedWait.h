#pragma once

#include "SerialPort.h"
#include "WaitView.h"

#include <functional>

// The control's wait window: counts its showings, runs a hook while it is up
// (where window events would run), then cancels or waits for the modem.
class ScriptedWait : public WaitView {
public:
    bool ShowModal(SerialPort& port) override
    {
        ++Shown;
        if (OnShow) OnShow();
        if (Cancel) return true;
        return !port.WaitForInput(60000);
    }

    int Shown = 0;
    bool Cancel = true;
    std::function<void()> OnShow;
};
