#pragma once

class SerialPort;

// The window that asks for the modem to be powered up and waits for it.
class WaitView {
public:
    virtual ~WaitView() = default;
    // Shown modally until the modem sends something (false) or the user
    // presses Cancel (true): the value of CancelRead afterwards.
    virtual bool ShowModal(SerialPort& port) = 0;
};
