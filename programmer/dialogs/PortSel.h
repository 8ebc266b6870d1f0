#pragma once

#include "EditDialog.h"

#include <map>

class ClickLabel;
class PortSetting;
class QPushButton;

// "Select Character Layer Setting": one port's speed, parity, data bits and stop
// bits, each a row of labels whose index is the code. A click writes the code into
// the port at once; the current value's label is grey.
class PortSel : public EditDialog {
public:
    explicit PortSel(MainForm& mainForm);

    // The port being edited: CurrentModem's port A or port B.
    PortSetting* OldSetting = nullptr;

    void GetSetting();
    void SetDisplay();
    void PortValidate();

    void DataRate_Click(int Index);
    void Parity_Click(int Index);
    void DataBit_Click(int Index);
    void StopBit_Click(int Index);
    void Finish_Click();

    // The label arrays by index.
    std::map<int, ClickLabel*> DataRate, Parity, DataBit, StopBit;
    QPushButton* Finish;

protected:
    void Leave() override { Finish_Click(); }

private:
    void mark(const std::map<int, ClickLabel*>& labels, int Index);
    void pick(const std::map<int, ClickLabel*>& labels, int Index, int16_t PortSetting::*member);
};
