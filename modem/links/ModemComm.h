#pragma once

#include <QString>

class LibraryContext;
class SerialPort;

// The serial link to the modem's own processor: port set-up, framing with a
// checksum, command mode, radio selection and configuration memory access.
// A failed exchange leaves its code in ModemErrorCode; codes 4 and 6 also raise
// error 68, and CheckModemError turns any code into a message and error 68.
class ModemComm {
public:
    enum ErrorCodes {
        NoError = 0,
        Timeout = 1,
        PortNotOpened = 3,
        UnexpectedReply = 4,
        NoPrompt = 5,
        BadChecksum = 6,
        TypeNotDerived = 7,
    };

    explicit ModemComm(LibraryContext& context);

    LibraryContext& context() const { return context_; }

    int ModemErrorCode = NoError;

    void OpenModemPort(SerialPort& port);
    void WaitMilliseconds(int milliseconds);
    void CloseModemPort(SerialPort& port);
    void OnModemRetry(SerialPort& port);
    static QString AppendModemChecksum(const QString& text);
    QString SendModemCommand(const QString& command, SerialPort& port);
    QString ReadModemChar(SerialPort& port);
    void WriteModemChar(const QString& character, SerialPort& port);
    void WriteModemString(const QString& text, SerialPort& port);
    void SelectTxRadio(SerialPort& port);
    void SelectRxRadio(SerialPort& port);
    void EnterModemCommandMode(SerialPort& port);
    QString ReadModemParameter(int address, int count, SerialPort& port);
    void WriteModemParameter(int address, const QString& data, SerialPort& port);

    // False when ModemErrorCode is 0; otherwise shows the code and raises error 68.
    bool CheckModemError();
    // The message that names ModemErrorCode, without the raise.
    void ShowModemError();

    static const QString AccessCode;
    static constexpr int CharTimeoutMs = 1000;
    static constexpr int SettleMs = 250;
    // A reply that outgrows this or does not end within ReplyLimitMs comes from
    // something else than a modem answering (a device streaming on the wrong
    // port, a modem stuck prompting): it ends as a time-out. The longest reply
    // the modem can give, a read of its whole memory, is under 800 characters.
    static constexpr int MaxReplyLength = 1024;
    static constexpr int ReplyLimitMs = 3000;

private:
    // The reply up to its CR, without it; empty with Timeout when it does not come.
    QString readReply(SerialPort& port);

    LibraryContext& context_;
};
