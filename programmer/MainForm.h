#pragma once

#include "FileDialogs.h"
#include "ModemSetting.h"
#include "PrinterDialog.h"
#include "ProgramSeams.h"
#include "Prompt.h"
#include "RadioSpec.h"

#include <QMainWindow>
#include <memory>

class EndingTask;
class UnfinishedWrites;
class AdjHL;
class AdjPower;
class Clock;
class DataControl;
class MasRemSel;
class PortSel;
class SIDSel;
class SupSel;
class FreqTrim;
class ProbePort;
class PrintSet;
class NumericBox;
class Prompt;
class QAction;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;
class QTimer;
class QToolBar;
class RuntimeError;
class VellModem;
class WizardForm;

// The program's main window: the configuration being edited, its display and
// in-place editors, the menus and toolbar, and the control that talks to the modem.
// Its definitions are spread over files by concern (MainForm*.cpp).
class MainForm : public QMainWindow {
public:
    explicit MainForm(ProgramSeams& seams, QWidget* parent = nullptr);
    ~MainForm() override;

    // Members shared with the dialogs.
    bool RssiMouseDown = false;
    ModemSetting CurrentModem;
    ModemSetting BackupModem;
    bool FromFile = false;
    bool SettingPage = false;
    RadioSpec RadSpec;
    bool StopWrite = false;

    // Start-up and life cycle.
    void Form_Load();
    void Form_Unload(bool& Cancel);
    void Form_GotFocus();
    void AddOldFileList(QString FName);
    void SetMenu();
    void Menu_Comm_Click(int Index);
    void Menu_Quit_Click();
    void Menu_About_Click();

    // The Quit command without its question, as the desktop's ending signals ask
    // for it (MainFormEnding.cpp): a read, write or power test ends first, whatever
    // waits on the user is answered as its close box would, and the program ends
    // with exitCode.
    void RequestQuit(int exitCode);
    bool QuitRequested() const { return quitRequested_; }
    // Ctrl+Z during the power test: the test stops first, then the process.
    void RequestSuspend();

    // Display and enabling.
    void SetDisplay();
    void DisableScreen();
    void EnableScreen();
    void DoEnableToolBar(const bool& Enable);
    void DoEnableWriteTxFrame(const bool& Enable);

    // Ports and packet presets.
    void SetPacket(PortSetting& Port, int16_t& PacketID);
    int16_t MatchPacket(const PortSetting& Port);

    // Reading, writing and the edit pattern.
    void Backup();
    void Validate();
    void ResetAllText();
    void Menu_Read_Click();
    // True when the configuration went into the modem and the modem accepted it.
    bool Menu_Write_Click();
    void Menu_Wizard_Click();
    void Menu_Open_Click();
    void Menu_Save_Click();
    void Menu_Print_Click();
    void Toolbar1_ButtonClick(const QString& Key);

    // Configuration files (MainFormFiles.cpp) and printing (MainFormPrint.cpp).
    void ReadFromDatFile(const QString& Filename);
    void ReadFromDefFile(const QString& Filename);
    void FalseRead();
    void Menu_FileName1_Click();
    void Menu_FileName2_Click();
    void Menu_FileName3_Click();
    void Menu_FileName4_Click();

    // The numeric boxes' commit steps.
    void TransFreq_LostFocus();
    void RXFreq_LostFocus();
    void PTTTime_LostFocus();
    void TXDelay_LostFocus();
    void RSSI_LostFocus();

    // System parameters: PTT, port B, SID codes, supervision, writing the power
    // (MainFormSystem.cpp).
    void CPTTData_Click();
    void CPTTRTS_Click();
    void EnablePortB_Click();
    void SIDON_Click();
    void SIDOFF_Click();
    void SIDEdit_Click();
    void SupOff_Click();
    void SupCA_MouseDown();
    void SupEndToEnd_Click();
    void SupRSSI_MouseDown();
    void SupRSSI_Click();
    void WriteTxOn_Click();
    void WriteTxOff_Click();

    // The editing dialogs (MainFormDialogs.cpp): the port Custom buttons, and the
    // long-lived dialogs, each loaded on its first use.
    void AChangeChar_Click();
    void BChangeChar_Click();
    void AChangePack_Click();
    void BChangePack_Click();
    PortSel& PortSelForm();
    SIDSel& SIDSelForm();
    MasRemSel& MasRemSelForm();
    SupSel& SupSelForm();
    // Trims, power, RSSI calibration and the wizard's dialogs (MainFormTools.cpp).
    void TXFreqAdjust_Click();
    void RXFreqAdjust_Click();
    void PowAdjust_Click();
    void AutoRSSI_Click();
    // The dialogs, loaded on first use and kept.
    WizardForm& Wizard();
    FreqTrim& FreqTrimForm();
    AdjHL& AdjHLForm();
    AdjPower& AdjPowerForm();

    // A modem operation is running: everything that talks to the modem, and
    // whatever could disturb it, waits.
    bool Busy() const { return MainFormBusy; }
    void setBusy(bool busy);
    const QString& GetInitDir() const { return InitDir; }
    const QString& RecentFile(int i) const { return RecentFiles[i]; }
    Prompt& MessagePrompt() const { return *prompt_; }
    // The program was ended (the real end does not come back; a harness's does).
    bool Ended() const { return ended_; }
    // A database, file or control error, shown under "Error Occured".
    void ShowError(const RuntimeError& error);
    // Tells the user, under "Error Occured", that the session's settings were not saved.
    void ShowSettingsNotSaved();

    // Controls, named as the window's designer named them.
    VellModem* VellModem1;
    DataControl* VersionData;
    DataControl* ModemData;
    DataControl* PacketData;

    QMenu* Menu_Ports;
    QAction* Menu_Open;
    QAction* Menu_Save;
    QAction* Menu_Print;
    QAction* Menu_Quit;
    QAction* bar2;
    QAction* Menu_FileName[5];
    QAction* Menu_Read;
    QAction* Menu_Write;
    QAction* Menu_Wizard;
    QAction* Menu_About;
    QAction* Menu_Comm[17];

    QToolBar* Toolbar1;
    QLabel* StatusBar1[6];

    QLabel *DXLabel, *TXRadioType, *RXRadioTYpe, *TXSerial, *RXSerial, *DiagLabel;

    QGroupBox *PortAFrame, *PortBFrame;
    QRadioButton *ACharDef1, *ACharDef2, *ACharCustom, *APackDef1, *APackDef2, *APackCustom;
    QRadioButton *AHandXON, *AHandNone, *AHandHard;
    QPushButton *AChangeChar, *AChangePack;
    QLabel *ADefLabel1, *ADefLabel2, *APackDefLabel1, *APackDefLabel2, *Label2, *Label4, *Label5;
    QCheckBox* EnablePortB;
    QRadioButton *BCharDef1, *BCharDef2, *BCharCustom, *BPackDef1, *BPackDef2, *BPackCustom;
    QRadioButton *BHandXON, *BHandNone, *BHandHard;
    QPushButton *BChangeChar, *BChangePack;
    QLabel *BDefLabel1, *BDefLabel2, *BPackDefLabel1, *BPackDefLabel2, *Label8, *Label9, *Label13;

    QGroupBox* TransFrame;
    NumericBox* TransFreq;
    QPushButton* TXFreqAdjust;
    QLabel *Label17, *Label6, *Label16;
    QGroupBox* Reciever;
    NumericBox* RXFreq;
    QPushButton* RXFreqAdjust;
    QLabel *Label24, *Label25, *Label23;

    QGroupBox* PowerFrame;
    QRadioButton *WriteTxOn, *WriteTxOff;
    NumericBox* RSSI;
    QPushButton *AutoRSSI, *PowAdjust;
    QLabel *Label1, *Label28, *Label7, *Label10;
    NumericBox* TXDelay;
    QLabel *Label19, *Label20;

    QGroupBox* Frame22;
    QRadioButton *SIDON, *SIDOFF;
    QPushButton* SIDEdit;
    QLabel* Label27;
    QGroupBox* Frame20;
    QRadioButton *SupOff, *SupCA;
    QCheckBox *SupEndToEnd, *SupRSSI;
    QGroupBox* Frame19;
    QRadioButton *CPTTData, *CPTTRTS;
    NumericBox* PTTTime;
    QLabel *Label18, *Label;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;

private:
    // Layout (MainFormLayout.cpp).
    void buildMenus();
    void buildToolbar();
    void buildStatusBar();
    QWidget* buildBuildFrame();
    QGroupBox* buildPortFrame(bool portB);
    QWidget* buildRadioColumn();
    QWidget* buildModemRow();
    void connectHandlers();
    void connectToolHandlers();

    // Ending from outside (MainFormEnding.cpp).
    void listenForEndings();
    void pursueEnding();

    // Life cycle (MainFormLifecycle.cpp).
    bool TestCommPort(int n);
    void endProgram(int code);
    bool controlCanTakeFocus() const;

    // Display (MainFormDisplay.cpp).
    void DoEnablePortBFrame(const bool& Enable);
    void DoEnableRadioFrame(const bool& Enable);
    void DoEnablePortAFrame(const bool& Enable);
    void DoEnableModemFrame(const bool& Enable);
    void refreshBoundLabels();
    void showDefaultFormats();
    void showPacketPresets();
    // A row that SetDisplay cannot use ends the display as a failed read would.
    void failDisplay(const RuntimeError& error);

    // Port handlers (MainFormPorts.cpp).
    void CharDef_Click(bool portB, int preset);
    void CharCustom_Click(bool portB);
    void PackDef_Click(bool portB, int preset);
    void PackCustom_Click(bool portB);
    void Hand_Click(bool portB, int16_t handShake);
    // The current Modem row's character format and packet preset columns of a port.
    int16_t charFormatField(bool portB, const char* name, int format) const;
    int16_t packetPresetField(bool portB, int preset) const;
    // MatchPacket without its handler: a database fault is raised.
    int16_t matchingPacket(const PortSetting& Port);
    bool customAllowed(bool portB) const;
    PortSetting& port(bool portB) { return portB ? CurrentModem.PortB : CurrentModem.PortA; }

    // Reading and writing (MainFormModem.cpp).
    bool commandEnabled(const char* key) const;
    template <typename Call> bool guardControl(Call call);
    void closeControlPort();

    // Configuration files and printing (MainFormFiles.cpp, MainFormPrint.cpp).
    void connectFileHandlers();
    void openRecentFile(int index);
    void showFileConfiguration();
    QString dialogFolder() const;
    FileDialogs& fileDialogs();
    PrinterDialog& printerDialog();
    PrintSet& printSet();

    // The numeric boxes (MainFormNumeric.cpp).
    template <typename Store> void commitBox(NumericBox* box, int length, Store store);

    // System parameters (MainFormSystem.cpp). An edit that runs other handlers is
    // one edit: only the outermost backs up and validates.
    void connectSystemHandlers();
    void beginEdit();
    void endEdit();
    int supervisionCode() const;
    int editDepth_ = 0;
    // SupCA is being chosen by its own handler.
    bool choosingCA_ = false;

    // The editing dialogs (MainFormDialogs.cpp).
    void connectDialogHandlers();
    void ChangeChar_Click(bool portB);
    void ChangePack_Click(bool portB);
    PortSel* portSel_ = nullptr;
    SIDSel* sidSel_ = nullptr;
    MasRemSel* masRemSel_ = nullptr;
    SupSel* supSel_ = nullptr;

    MsgResult MsgBox(const QString& text, MsgButtons buttons, const QString& title = QString());

    ProgramSeams& seams_;
    Clock* clock_;
    Prompt* prompt_;
    std::unique_ptr<Clock> ownClock_;
    std::unique_ptr<Prompt> ownPrompt_;
    std::unique_ptr<ProbePort> TestPort;
    QButtonGroup *aChar_, *aPack_, *aHand_, *bChar_, *bPack_, *bHand_, *sup_, *sid_, *writeTx_, *ptt_;

    QString InitDir = QStringLiteral("1");
    QString RecentFiles[5];
    bool MainFormBusy = false;
    // A Read or Open was refused: the window's focus does not bring it back.
    bool configurationRejected_ = false;
    bool ended_ = false;
    QTimer* endingTimer_ = nullptr;
    bool quitRequested_ = false;
    bool suspendRequested_ = false;
    int quitCode_ = 0;

    // The dialogs' last file name, proposed by the next dialog; the printed sheet.
    QString dialogFileName_;
    std::unique_ptr<FileDialogs> ownFileDialogs_;
    std::unique_ptr<PrinterDialog> ownPrinterDialog_;
    PrintSet* printSet_ = nullptr;
    WizardForm* wizard_ = nullptr;
    FreqTrim* freqTrim_ = nullptr;
    AdjHL* adjHL_ = nullptr;
    AdjPower* adjPower_ = nullptr;

    // Writes that never saw the modem check them (MainFormModem.cpp): recorded as
    // they start, told once a session, at the start and before a Read or Write.
    void tellUnfinishedWrites();
    // Finishes the write under way when the program ends under its windows.
    static EndingTask& writeFinish();
    std::unique_ptr<UnfinishedWrites> unfinishedWrites_;
    QStringList toldUnfinished_;
    bool shown_ = false;
};
