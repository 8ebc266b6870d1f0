#pragma once

#include <QString>

// Told when a write starts changing a modem's memory and when the modem has
// checked and repaired its configuration, so that a write that never got that
// far (the process killed, the power gone) can be told about later.
class WriteJournal {
public:
    virtual ~WriteJournal() = default;
    virtual void Begin(const QString& device) = 0;
    virtual void End(const QString& device) = 0;
};
