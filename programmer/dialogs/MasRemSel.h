#pragma once

#include "EditDialog.h"

class OuterSize;
class QGroupBox;
class QLabel;
class QRadioButton;

// "Select Unit Function": whether the unit is the master or a remote unit of the
// collision-avoidance scheme (bit 0 of CAvoid), with the remote unit's back-off
// timer behind "Advanced". In plain collision-avoidance mode the window is short
// and hides the note under the frame.
class MasRemSel : public EditDialog {
public:
    explicit MasRemSel(MainForm& mainForm);

    void SetDisplay();
    void Validate();

    void CAMaster_Click();
    void CARemote_Click();
    void CAAdvance_Click();
    void Finish_Click();

    QGroupBox* UnitFunc;
    QRadioButton *CAMaster, *CARemote;
    QPushButton* CAAdvance;
    QLabel* Label1;
    QPushButton* Finish;

    // The window's outer heights, in twips.
    static constexpr int ShortHeight = 2100;
    static constexpr int TallHeight = 2880;

protected:
    void Form_Activate() override { SetDisplay(); }
    void Leave() override { Finish_Click(); }

private:
    void setOuterHeight(int twips);
    OuterSize* outer_;
    // The options are being set to show CAvoid: their handlers change nothing.
    bool showing_ = false;
};
