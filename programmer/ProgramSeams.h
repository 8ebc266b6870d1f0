#pragma once

#include <QString>
#include <functional>

class Clock;
class EndSignals;
class FileDialogs;
class PrinterDialog;
class Prompt;
class SerialPort;
class WaitView;

// What the program talks to the world through. Null members get the real ones.
struct ProgramSeams {
    Clock* clock = nullptr;
    Prompt* prompt = nullptr;
    // The control's wait window and serial port.
    WaitView* wait = nullptr;
    SerialPort* port = nullptr;
    // The folder that holds Modem.mdb and Wizard.mdb; empty for the program's own.
    QString dataDir;
    // Ends the program at once with the exit code; the real one does not return.
    std::function<void(int)> end;
    // The open and save dialogs, and the printer dialog.
    FileDialogs* files = nullptr;
    PrinterDialog* printer = nullptr;
    // The desktop's ending signals, taken as Quit without its question; none: not taken.
    EndSignals* endSignals = nullptr;
    // Stops the process as Ctrl+Z does; returns once it is continued.
    std::function<void()> suspend;
};
