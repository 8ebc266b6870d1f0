#pragma once

#include <QByteArray>
#include <QString>

// A pseudo-terminal pair for driving a port under test: the test holds the
// master side, the port opens SlavePath().
class PseudoTerminal {
public:
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    bool IsValid() const { return master_ >= 0; }
    int Master() const { return master_; }
    const QString& SlavePath() const { return slavePath_; }

    void Write(const QByteArray& data);
    // Reads until count bytes have come or ms have passed.
    QByteArray Read(int count, int ms);
    // Hangs up the line: the port sees the other side gone.
    void CloseMaster();

private:
    int master_ = -1;
    QString slavePath_;
};
