#pragma once

#include "WriteJournal.h"

#include <QString>
#include <QStringList>

// The record of the writes that started changing a modem and never saw the
// modem check its configuration: the program killed, crashed or without power
// half way. One device a line, in the user's state folder (XDG_STATE_HOME), away
// from the settings file; synced to disk before the write's first location.
class UnfinishedWrites : public WriteJournal {
public:
    void Begin(const QString& device) override;
    void End(const QString& device) override;

    // The devices whose last write did not finish.
    static QStringList Devices();
    static QString FileName();
    // What the user is told about such a device.
    static QString Text(const QString& device);

private:
    // False (and told on the standard error) when the record could not be kept.
    static bool store(const QStringList& devices);
};
