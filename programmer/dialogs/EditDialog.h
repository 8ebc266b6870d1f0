#pragma once

#include <QDialog>
#include <cstdint>
#include <functional>

class MainForm;
class ModemSetting;
class NumericBox;
class QGroupBox;
class QPushButton;

// A modal dialog of the main window that edits the configuration in place. It is
// loaded once and kept; each change is backed up before and checked after, and a
// refused change is rolled back. Escape and the close box leave as Leave says.
class EditDialog : public QDialog {
public:
    // Shows the dialog modally and returns when it is hidden.
    void ShowModal();

protected:
    EditDialog(MainForm& mainForm, const QString& name, const QString& caption);

    // Leaving by Escape or by the close box: the dialog's Finish unless it says otherwise.
    virtual void Leave() = 0;
    // Each showing of the dialog.
    virtual void Form_Activate() {}

    // The main window's backup, skipped while a rollback redisplays.
    void TakeBackup();
    // Has the control check the configuration (it shows why it refuses). A refusal
    // restores the backup and runs the redisplay once, with backups and checks off,
    // so a configuration that is still refused cannot roll back again and again.
    // True when refused.
    bool CheckChange(const std::function<void()>& redisplay);
    bool Redisplaying() const { return redisplaying_ > 0; }
    // Runs the body with backups and checks off.
    void Quietly(const std::function<void()>& body);

    // What a box empty at its commit stands for.
    enum class EmptyText { Zero, KeepFocus };
    // The number step of a box's commit: the text cut to nine characters, read as
    // its leading number rounded to a whole one (halves to even), stored in the
    // member and shown back. A number no member can hold is refused with the
    // error's message and the member's value is shown again.
    void StoreWhole(NumericBox* box, int32_t& member, EmptyText empty);

    ModemSetting& Modem();
    QPushButton* Button(const QString& name, const QString& caption, QWidget* parent);
    NumericBox* Box(const QString& name, QWidget* parent, std::function<void()> commit);
    QGroupBox* Frame(const QString& name, const QString& caption, QWidget* parent);

    void reject() override;
    void showEvent(QShowEvent* event) override;

    MainForm& Main;

private:
    int redisplaying_ = 0;
};
