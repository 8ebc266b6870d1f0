#pragma once

#include "SerialPort.h"
#include "WaitView.h"

#include <functional>

// The wait window: counts its showings and cancels, or waits on the port as
// the window does until the modem sends something.
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
