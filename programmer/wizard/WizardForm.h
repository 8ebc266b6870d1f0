#pragma once

#include "WizardData.h"

#include <QDialog>
#include <QRect>
#include <QSizeF>
#include <optional>
#include <vector>

class OuterSize;
class ModemSetting;
class Prompt;
class QAbstractButton;
class QCheckBox;
class QLabel;
class QPushButton;
class QToolButton;
class RuntimeError;

// The set-up wizard. Its pages are read at run time from Wizard.mdb: labels,
// pictures, buttons and a check box, placed in twips of the window's outer size.
// A button goes to another page, applies a preset to the configuration being
// edited and closes, or closes. Any fault of the wizard's database is reported,
// closes the window and leaves the configuration as it was.
class WizardForm : public QDialog {
public:
    static constexpr int Elements = 11;

    WizardForm(ModemSetting& currentModem, Prompt& prompt, QWidget* parent = nullptr);
    ~WizardForm() override;

    // The page shown or about to be shown, and the build type of this run.
    int16_t PageID = 0;
    int16_t BuildType = 0;
    // The folder of Wizard.mdb and of the pictures it names.
    QString AppFolder;

    // Prepares a run: the first page by the build type (StartPage 0) or the page
    // given. Does not show the window. A fault is reported at once and the run
    // is over before it starts (Failed()).
    void StartUpWizard(int16_t& Btype, int16_t& StartPage);
    void ButtonArray_Click(int Index);
    // The run ended in a fault of the wizard's database, already reported; the
    // configuration was not changed by it.
    bool Failed() const { return failed_; }

    QLabel* LabelArray[Elements];
    QToolButton* ButtonArray[Elements];
    QLabel* PictureArray[Elements];
    QCheckBox* CheckBoxText;
    QPushButton* CheckBoxGraph;

protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

private:
    void Form_Activate();
    void ClearPage();
    void ShowPage();
    void AddButton(const WizardItem& item);
    void AddPicture(const WizardItem& item);
    void AddLabel(const WizardItem& item);
    void AddCheckBox(const WizardItem& item);
    bool ApplyWizardSetting(int16_t& SetID, ModemSetting& ModemSet);

    // The item's font, position and size on the element, which is then shown.
    void place(QWidget* element, const WizardItem& item);
    // Every placed element at its twips, scaled to the window as it is now.
    void layoutPlaced();
    void sizeToPage();
    void orderTabs();
    void showPageOrFail();
    // Reports the fault as the wizard's fatal error of the letter and closes.
    void fail(QChar letter);
    QString appPath(const QString& name) const;

    ModemSetting& modem_;
    Prompt& prompt_;
    std::optional<WizardData> data_;
    QAbstractButton* CurrentCheckBox;
    int LabelCount = 0;
    int ButtonCount = 0;
    int PictureCount = 0;
    int16_t ButtonAction[Elements]{};
    int16_t ButtonParam1[Elements]{};
    int16_t ButtonParam2[Elements]{};

    struct Placed {
        QWidget* Element;
        QRect Twips;
    };
    std::vector<Placed> placed_;
    QSizeF pageTwips_;
    OuterSize* outer_;
    bool failed_ = false;
};
