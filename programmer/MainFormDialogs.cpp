// The main window's side of the editing dialogs: the ports' Custom buttons and the
// dialogs that live as long as the window.
#include "MainForm.h"

#include "MasRemSel.h"
#include "PacketSel.h"
#include "PortSel.h"
#include "SIDSel.h"
#include "SupSel.h"

#include <QPushButton>

void MainForm::connectDialogHandlers()
{
    connect(AChangeChar, &QPushButton::clicked, this, [this] { AChangeChar_Click(); });
    connect(BChangeChar, &QPushButton::clicked, this, [this] { BChangeChar_Click(); });
    connect(AChangePack, &QPushButton::clicked, this, [this] { AChangePack_Click(); });
    connect(BChangePack, &QPushButton::clicked, this, [this] { BChangePack_Click(); });
}

void MainForm::AChangeChar_Click() { ChangeChar_Click(false); }
void MainForm::BChangeChar_Click() { ChangeChar_Click(true); }
void MainForm::AChangePack_Click() { ChangePack_Click(false); }
void MainForm::BChangePack_Click() { ChangePack_Click(true); }

void MainForm::ChangeChar_Click(bool portB)
{
    PortSel& dialog = PortSelForm();
    dialog.OldSetting = &port(portB);
    dialog.GetSetting();
}

void MainForm::ChangePack_Click(bool portB)
{
    // Loaded for this use and unloaded after it.
    PacketSel dialog(*this);
    dialog.OldSetting = &port(portB);
    dialog.ShowModal();
    dialog.Form_Unload();
}

PortSel& MainForm::PortSelForm()
{
    if (!portSel_) portSel_ = new PortSel(*this);
    return *portSel_;
}

SIDSel& MainForm::SIDSelForm()
{
    if (!sidSel_) sidSel_ = new SIDSel(*this);
    return *sidSel_;
}

MasRemSel& MainForm::MasRemSelForm()
{
    if (!masRemSel_) masRemSel_ = new MasRemSel(*this);
    return *masRemSel_;
}

SupSel& MainForm::SupSelForm()
{
    if (!supSel_) supSel_ = new SupSel(*this);
    return *supSel_;
}
