#pragma once

#include "EditDialog.h"

#include <array>

class DataControl;
class NumericBox;
class PortSetting;
class QComboBox;
class QGroupBox;
class QLabel;
class QRadioButton;

// "Select Packet Setting": how one port frames its data into radio packets, from
// one of the model's five presets, an interface brand, or the port's own values.
// Loaded for each use and unloaded after it.
class PacketSel : public EditDialog {
public:
    explicit PacketSel(MainForm& mainForm);

    // The port being edited: CurrentModem's port A or port B.
    PortSetting* OldSetting = nullptr;
    // The dialog is active: backups and checks run only while it is set.
    bool Validate = false;

    void ResetPacketText();
    void SetDisplay();
    void BackUpPort();
    void PortValidate();

    void Form_Unload();
    void PacketOption_Click(int Index);
    void BrandName_Click();
    void BrandList_Click(int row);
    void EOMEnable_Click();
    void EOMDisable_Click();
    void LiveEnable_Click();
    void LiveDisable_Click();
    void CharTimer_LostFocus();
    void Framesize_LostFocus();
    void EOMChar_LostFocus();
    void Finish_Click();

    std::array<QRadioButton*, 6> PacketOption;
    // The names beside presets 1 to 5 (element 0 unused).
    std::array<QLabel*, 6> First;
    QRadioButton* BrandName;
    QComboBox* BrandList;
    QGroupBox *Frame1, *Frame2;
    NumericBox *CharTimer, *Framesize, *EOMChar;
    QRadioButton *EOMEnable, *EOMDisable, *LiveEnable, *LiveDisable;
    QPushButton* Finish;
    DataControl* ModemData;
    DataControl* BrandData;

    static inline const QString InterfacePrompt = QStringLiteral("Choose From Interface List");
    static inline const QString BrandPrompt = QStringLiteral("Choose From Brand List");

protected:
    void Form_Activate() override;
    void Leave() override { Finish_Click(); }
    void hideEvent(QHideEvent* event) override;

private:
    void Form_Load();
    void Form_Deactivate();
    void showRecord();
    void showList(const QString& prompt, int row);
    void commit(NumericBox* box, int32_t& member);
    int16_t presetId(int Index);

    // The brands' PacketIDs, in the list's order.
    QList<int16_t> brandIds_;
};
