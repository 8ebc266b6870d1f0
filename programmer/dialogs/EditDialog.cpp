#include "EditDialog.h"

#include "MainForm.h"
#include "NumericBox.h"
#include "Prompt.h"
#include "RuntimeError.h"
#include "StartModule.h"
#include "VbNumbers.h"
#include "VellModem.h"

#include <QGroupBox>
#include <QPushButton>
#include <QShowEvent>

namespace {

constexpr int WholeNumberLength = 9;

}  // namespace

EditDialog::EditDialog(MainForm& mainForm, const QString& name, const QString& caption)
    : QDialog(&mainForm), Main(mainForm)
{
    setObjectName(name);
    setWindowTitle(caption);
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

void EditDialog::ShowModal() { exec(); }

void EditDialog::reject() { Leave(); }

void EditDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Shown by the program, not given back by the window system.
    if (!event->spontaneous()) Form_Activate();
}

void EditDialog::TakeBackup()
{
    if (!Redisplaying()) Main.Backup();
}

bool EditDialog::CheckChange(const std::function<void()>& redisplay)
{
    if (Redisplaying()) return false;
    bool displayError = true;
    bool rejected = true;
    try {
        rejected = Main.VellModem1->QuerySetting(Main.CurrentModem, displayError);
    } catch (const RuntimeError& error) {
        Main.ShowError(error);
    }
    if (!rejected) return false;
    Main.CurrentModem.RestoreFrom(Main.BackupModem);
    Quietly(redisplay);
    return true;
}

void EditDialog::Quietly(const std::function<void()>& body)
{
    ++redisplaying_;
    body();
    --redisplaying_;
}

void EditDialog::StoreWhole(NumericBox* box, int32_t& member, EmptyText empty)
{
    QString text = box->text();
    if (text.size() > WholeNumberLength) {
        text.truncate(WholeNumberLength);
        box->setText(text);
    }
    if (text.isEmpty()) {
        if (empty == EmptyText::KeepFocus) {
            box->setFocus();
            return;
        }
        text = QStringLiteral("0");
    }
    try {
        member = vb::CLng(vb::Val(text));
    } catch (const RuntimeError& error) {
        // Pasted text can hold what no key the filter lets through could type.
        Main.ShowError(error);
    }
    box->setText(QString::number(member));
}

ModemSetting& EditDialog::Modem() { return Main.CurrentModem; }

QPushButton* EditDialog::Button(const QString& name, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

NumericBox* EditDialog::Box(const QString& name, QWidget* parent, std::function<void()> commit)
{
    auto* box = new NumericBox(name, parent);
    box->Commit = std::move(commit);
    box->Refused = [this](const QString& message) {
        Main.MessagePrompt().Show(message, StartModule::ApplicationTitle, MsgButtons::OK, MsgIcon::None);
    };
    return box;
}

QGroupBox* EditDialog::Frame(const QString& name, const QString& caption, QWidget* parent)
{
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(name);
    return frame;
}
