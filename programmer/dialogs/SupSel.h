#pragma once

#include "EditDialog.h"

#include <array>

class NumericBox;
class QGroupBox;
class QLabel;
class QRadioButton;

// "Adjusting Advance Collision Avoidance Setting": the remote unit's back-off timer
// (number of slots, time per slot) and whether it retries after or delays before a
// transmit attempt.
class SupSel : public EditDialog {
public:
    explicit SupSel(MainForm& mainForm);

    void Validate();

    void DelayBefore_Click();
    void DelayAfter_Click();
    void MaxSlot_LostFocus();
    void SlotTime_LostFocus();
    void Finish_Click();
    void Form_Unload() { CommitText(); }

    std::array<QLabel*, 2> Label1;
    QGroupBox *Frame1, *Frame2;
    NumericBox *MaxSlot, *SlotTime;
    QRadioButton *DelayBefore, *DelayAfter;
    QPushButton* Finish;

protected:
    void Form_Activate() override { RefreshDisplay(); }
    void Leave() override { Finish_Click(); }

private:
    void RefreshDisplay();
    void CommitText();
    void delay(QRadioButton* option, bool tryBefore);
};
