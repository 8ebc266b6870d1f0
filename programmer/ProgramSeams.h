#pragma once

#include <QString>
#include <functional>

class Clock;
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
};
