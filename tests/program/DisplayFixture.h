#pragma once

#include "ProgramFixture.h"

#include <functional>

// The main window after a Read of the simulated modem (the control working), so
// that any configuration put into CurrentModem can be shown.
class DisplayFixture : public ProgramFixture {
protected:
    void SetUp() override;

    // Changes CurrentModem and shows it; expects the display to leave the
    // configuration as it was, apart from the ports' packet preset numbers.
    void Show(const std::function<void(ModemSetting&)>& change);

    bool Checked(const QString& name) const;
    // Exactly the named option of the group is chosen.
    void ExpectChosen(const QStringList& group, const QString& chosen) const;
    bool Enabled(const QString& name) const;
    // The caption or text of a label, text box or button.
    QString Text(const QString& name) const;
};
