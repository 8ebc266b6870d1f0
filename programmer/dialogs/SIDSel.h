#pragma once

#include "EditDialog.h"

#include <array>

class NumericBox;
class PortSetting;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QRadioButton;

// "Select Stream Identifier Codes": each port's SID type and two SID codes, and the
// diagnostics processor's SID codes and repeat switch. Every change goes into the
// configuration at once. Leaving by Escape or the close box commits the boxes, as
// unloading the dialog does; Finish only hides it.
class SIDSel : public EditDialog {
public:
    explicit SIDSel(MainForm& mainForm);

    void ResetSIDText();
    void Validate();

    void Form_Unload();
    void AUserport_Click(int Index);
    void BUserport_Click(int Index);
    void SID1_LostFocus(int Index);
    void SID2_LostFocus(int Index);
    void BSID1_LostFocus(int Index);
    void BSID2_LostFocus(int Index);
    void DiagSID1_LostFocus();
    void DiagSID2_LostFocus();
    void DiagRepeatOn_Click();
    void DiagRepeatOff_Click();
    void Finish_Click();

    // Arrays indexed by SID type.
    std::array<QRadioButton*, 4> AUserport, BUserport;
    std::array<NumericBox*, 4> SID1, SID2, BSID1, BSID2;
    // 0 to 3 port A's rows, 4 to 7 port B's, 8 the diagnostics frame's.
    std::array<QLabel*, 9> Label1, Label2;
    QGroupBox *Frame1, *PortBFrame, *OrvaneDiag;
    NumericBox *DiagSID1, *DiagSID2;
    QRadioButton *DiagRepeatOn, *DiagRepeatOff;
    QLabel* NotEditableLbl;
    QPushButton* Finish;

protected:
    void Form_Activate() override;
    void Leave() override;

private:
    void RefreshDisplay();
    void EnablePortB();
    void DisablePortB();
    QGroupBox* buildPort(bool portB);
    void userport(bool portB, int Index);
    void commit(NumericBox* box, int32_t& member);
    void showPort(const PortSetting& port, const std::array<QRadioButton*, 4>& options,
                  const std::array<NumericBox*, 4>& first, const std::array<NumericBox*, 4>& second);
};
