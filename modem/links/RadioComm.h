#pragma once

#include <QByteArray>

class LibraryContext;
class SerialPort;

// The serial link to an external radio, reached through the modem once it has
// selected the radio: 1200 baud, byte stuffing, an XOR checksum byte and an echo
// of every byte sent. Codes 1 and 2 always come with error 68.
class RadioComm {
public:
    enum ErrorCodes { NoError = 0, Timeout = 1, BadEcho = 2, PortNotOpened = 3 };

    explicit RadioComm(LibraryContext& context);

    LibraryContext& context() const { return context_; }

    int RadioErrorCode = NoError;

    void OpenRadioPort(SerialPort& port);
    static QByteArray AppendRadioChecksum(const QByteArray& bytes);
    static QByteArray StuffRadioFrame(const QByteArray& bytes);
    static QByteArray UnstuffRadioFrame(const QByteArray& bytes);
    // The command as it goes on the line: ESC, the stuffed command and checksum, CR.
    static QByteArray Frame(const QByteArray& command);
    QByteArray SendRadioCommand(const QByteArray& command, SerialPort& port);
    uint8_t ReadRadioChar(SerialPort& port);
    uint8_t WriteRadioChar(uint8_t byte, SerialPort& port);
    void SendRadioAbort(SerialPort& port);

    static constexpr uint8_t Esc = 0x1B;
    static constexpr uint8_t Cr = 0x0D;
    static constexpr uint8_t Dle = 0x10;
    static constexpr int ByteTimeoutMs = 1000;
    static constexpr int SettleMs = 500;
    // A reply that outgrows this or does not end within ReplyLimitMs is noise,
    // not a radio answering: it ends as a time-out. The longest a radio can
    // answer, its whole memory with every byte stuffed, is under 270 bytes,
    // little more than two seconds at 1200 baud.
    static constexpr int MaxReplyLength = 300;
    static constexpr int ReplyLimitMs = 4000;

private:
    [[noreturn]] void fail(int code);
    // One byte, waiting at most timeoutMs for it.
    uint8_t readByte(SerialPort& port, int timeoutMs);
    // The reply up to its CR, without it, still stuffed.
    QByteArray readReply(SerialPort& port);

    LibraryContext& context_;
};
