#include "PacketSel.h"

#include "BrandQueries.h"
#include "DataControl.h"
#include "FontScale.h"
#include "ModemQueries.h"
#include "MainForm.h"
#include "NumericBox.h"
#include "RuntimeError.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QRadioButton* option(const QString& name, const QString& caption, QWidget* parent)
{
    auto* button = new QRadioButton(caption, parent);
    button->setObjectName(name);
    return button;
}

QLabel* label(const QString& name, const QString& text, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    // Texts from files, databases and modems are shown as they are, never as markup.
    l->setTextFormat(Qt::PlainText);
    return l;
}

// Runs the handler whenever the option becomes chosen, by the user or from code.
void onChosen(QRadioButton* button, QObject* context, std::function<void()> handler)
{
    QObject::connect(button, &QRadioButton::toggled, context, [handler = std::move(handler)](bool on) {
        if (on) handler();
    });
}

}  // namespace

PacketSel::PacketSel(MainForm& mainForm)
    : EditDialog(mainForm, QStringLiteral("PacketSel"), QStringLiteral("Select Packet Setting"))
{
    ModemData = new DataControl(QStringLiteral("ModemData"), this);
    BrandData = new DataControl(QStringLiteral("BrandData"), this);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto* sources = new QButtonGroup(this);
    auto* presets = new QGridLayout;
    presets->setHorizontalSpacing(6);
    First[0] = nullptr;
    for (int i = 1; i <= 5; ++i) {
        PacketOption[i] = option(QStringLiteral("PacketOption(%1)").arg(i), QString(), this);
        First[i] = label(QStringLiteral("First(%1)").arg(i), QString(), this);
        First[i]->setMinimumWidth(FontScale::Scaled(150));
        First[i]->setBuddy(PacketOption[i]);
        sources->addButton(PacketOption[i]);
        // Presets 1 to 3 on the left, 4 and 5 on the right.
        const int row = (i - 1) % 3, column = (i - 1) / 3 * 2;
        presets->addWidget(PacketOption[i], row, column);
        presets->addWidget(First[i], row, column + 1);
    }
    presets->setColumnStretch(1, 1);
    presets->setColumnStretch(3, 1);
    layout->addLayout(presets);

    auto* brands = new QHBoxLayout;
    BrandName = option(QStringLiteral("BrandName"), QString(), this);
    BrandList = new QComboBox(this);
    BrandList->setObjectName(QStringLiteral("BrandList"));
    BrandList->setMinimumWidth(FontScale::Scaled(240));
    sources->addButton(BrandName);
    brands->addWidget(BrandName);
    brands->addWidget(BrandList, 1);
    layout->addLayout(brands);

    PacketOption[0] = option(QStringLiteral("PacketOption(0)"), QStringLiteral("User Selectable"), this);
    sources->addButton(PacketOption[0]);
    layout->addWidget(PacketOption[0]);

    Frame1 = Frame(QStringLiteral("Frame1"), QStringLiteral("Custom Select"), this);
    auto* custom = new QGridLayout(Frame1);
    CharTimer = Box(QStringLiteral("CharTimer"), Frame1, [this] { CharTimer_LostFocus(); });
    Framesize = Box(QStringLiteral("Framesize"), Frame1, [this] { Framesize_LostFocus(); });
    EOMChar = Box(QStringLiteral("EOMChar"), Frame1, [this] { EOMChar_LostFocus(); });
    custom->addWidget(label(QStringLiteral("Label1"), QStringLiteral("Char Input Timer"), Frame1), 0, 0);
    custom->addWidget(label(QStringLiteral("Label2"), QStringLiteral("Max Frame Size"), Frame1), 0, 1);
    custom->addWidget(label(QStringLiteral("Label3"), QStringLiteral("E.O.M  Char"), Frame1), 0, 2);
    custom->addWidget(CharTimer, 1, 0);
    custom->addWidget(Framesize, 1, 1);
    custom->addWidget(EOMChar, 1, 2);
    Frame2 = Frame(QStringLiteral("Frame2"), QString(), Frame1);
    auto* live = new QVBoxLayout(Frame2);
    LiveEnable = option(QStringLiteral("LiveEnable"), QStringLiteral("Enable Live Frame"), Frame2);
    LiveDisable = option(QStringLiteral("LiveDisable"), QStringLiteral("Disable Live Frame"), Frame2);
    live->addWidget(LiveEnable);
    live->addWidget(LiveDisable);
    auto* eom = new QVBoxLayout;
    EOMEnable = option(QStringLiteral("EOMEnable"), QStringLiteral("Enable EOM"), Frame1);
    EOMDisable = option(QStringLiteral("EOMDisable"), QStringLiteral("Disable EOM"), Frame1);
    eom->addWidget(EOMEnable);
    eom->addWidget(EOMDisable);
    custom->addWidget(Frame2, 2, 0, 1, 2);
    custom->addLayout(eom, 2, 2);
    auto* liveGroup = new QButtonGroup(this);
    liveGroup->addButton(LiveEnable);
    liveGroup->addButton(LiveDisable);
    auto* eomGroup = new QButtonGroup(this);
    eomGroup->addButton(EOMEnable);
    eomGroup->addButton(EOMDisable);
    layout->addWidget(Frame1);

    Finish = Button(QStringLiteral("Finish"), QStringLiteral("Finish"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Finish);
    layout->addLayout(buttons);

    for (int i = 0; i <= 5; ++i) onChosen(PacketOption[i], this, [this, i] { PacketOption_Click(i); });
    onChosen(BrandName, this, [this] { BrandName_Click(); });
    onChosen(EOMEnable, this, [this] { EOMEnable_Click(); });
    onChosen(EOMDisable, this, [this] { EOMDisable_Click(); });
    onChosen(LiveEnable, this, [this] { LiveEnable_Click(); });
    onChosen(LiveDisable, this, [this] { LiveDisable_Click(); });
    // Only the user's pick, never a choice made from code.
    connect(BrandList, &QComboBox::activated, this, [this](int row) { BrandList_Click(row); });
    connect(Finish, &QPushButton::clicked, this, [this] { Finish_Click(); });
    Form_Load();
}

void PacketSel::Form_Load()
{
    ModemData->DatabaseName = Main.ModemData->DatabaseName;
    ModemData->RecordSource = Main.ModemData->RecordSource;
    BrandData->DatabaseName = Main.ModemData->DatabaseName;
}

void PacketSel::Form_Activate()
{
    ModemData->DatabaseName = Main.ModemData->DatabaseName;
    ModemData->RecordSource = Main.ModemData->RecordSource;
    Validate = true;
    BrandData->DatabaseName = Main.ModemData->DatabaseName;
    BrandData->RecordSource = BrandQueries::BrandList(Modem().ModemType, Modem().Firmware);
    brandIds_.clear();
    BrandList->clear();
    try {
        ModemData->Refresh();
        for (int i = 1; i <= 5; ++i)
            First[i]->setText(ModemData->HasRecords()
                                  ? ModemData->Row(ModemQueries::ModemTable).Text(QStringLiteral("Packet%1").arg(i))
                                  : QString());
        BrandData->Refresh();
        for (; !BrandData->Eof(); BrandData->MoveNext()) {
            const CheckedRow brand = BrandData->Row(QStringLiteral("brandlist"));
            BrandList->addItem(brand.Text(QStringLiteral("BrandName")));
            brandIds_ << brand.Int16(QStringLiteral("PacketID"));
        }
    } catch (const RuntimeError& error) {
        Main.ShowError(error);
    }
    SetDisplay();
}

int16_t PacketSel::presetId(int Index)
{
    return Main.ModemData->Row(ModemQueries::ModemTable).Int16(QStringLiteral("Packet%1Setting").arg(Index));
}

void PacketSel::showList(const QString& prompt, int row)
{
    BrandList->setPlaceholderText(prompt);
    BrandList->setCurrentIndex(row);
}

void PacketSel::SetDisplay()
{
    if (!OldSetting) return;
    BrandList->setEnabled(false);
    showList(InterfacePrompt, -1);
    BrandName->setEnabled(true);

    const int16_t p = OldSetting->Packet;
    int preset = 0;
    try {
        if (Main.ModemData->HasRecords())
            for (int i = 1; i <= 5 && !preset; ++i)
                if (p == presetId(i)) preset = i;
    } catch (const RuntimeError& error) {
        Main.ShowError(error);
    }
    if (preset) {
        PacketOption[preset]->setChecked(true);
    } else if (brandIds_.isEmpty()) {
        PacketOption[0]->setChecked(true);
        showList(BrandPrompt, -1);
        BrandName->setEnabled(false);
        BrandList->setEnabled(false);
    } else if (const qsizetype row = brandIds_.indexOf(p); row >= 0) {
        BrandName->setChecked(true);
        BrandList->setEnabled(true);
        showList(InterfacePrompt, int(row));
    } else {
        PacketOption[0]->setChecked(true);
    }
    showRecord();
    Frame1->setEnabled(PacketOption[0]->isChecked());
}

// The EOM and live choices and the three numbers as the port holds them.
void PacketSel::showRecord()
{
    (OldSetting->EOMEnable ? EOMEnable : EOMDisable)->setChecked(true);
    (OldSetting->ISLive ? LiveEnable : LiveDisable)->setChecked(true);
    CharTimer->setText(QString::number(OldSetting->CharTimer));
    Framesize->setText(QString::number(OldSetting->MaxFrame));
    EOMChar->setText(QString::number(OldSetting->EOMChar));
}

void PacketSel::BackUpPort()
{
    if (Validate) TakeBackup();
}

void PacketSel::PortValidate()
{
    if (Validate) CheckChange([this] { SetDisplay(); });
}

void PacketSel::PacketOption_Click(int Index)
{
    if (!OldSetting) return;
    BackUpPort();
    OldSetting->Packet = static_cast<int16_t>(Index);
    BrandList->setEnabled(false);
    if (Index > 0) {
        try {
            OldSetting->Packet = presetId(Index);
            Main.SetPacket(*OldSetting, OldSetting->Packet);
        } catch (const RuntimeError& error) {
            Main.ShowError(error);
        }
    }
    if (PacketOption[0]->isChecked()) {
        Frame1->setEnabled(true);
        OldSetting->ISSlip = false;
    } else {
        Frame1->setEnabled(false);
    }
    const bool active = Validate;
    Validate = false;
    showRecord();
    Validate = active;
    PortValidate();
}

void PacketSel::BrandName_Click()
{
    BrandList->setEnabled(true);
    Frame1->setEnabled(false);
}

void PacketSel::BrandList_Click(int row)
{
    if (!OldSetting || !BrandList->isEnabled() || row < 0 || row >= brandIds_.size()) return;
    // A brand can be refused like any other change (SLIP where the port has
    // XON/XOFF flow control), so it is backed up and checked as every change is.
    BackUpPort();
    OldSetting->Packet = brandIds_[row];
    Main.SetPacket(*OldSetting, OldSetting->Packet);
    const bool active = Validate;
    Validate = false;
    showRecord();
    Validate = active;
    PortValidate();
}

void PacketSel::EOMEnable_Click()
{
    BackUpPort();
    EOMChar->setEnabled(true);
    if (OldSetting) OldSetting->EOMEnable = true;
    PortValidate();
}

void PacketSel::EOMDisable_Click()
{
    BackUpPort();
    EOMChar->setEnabled(false);
    if (OldSetting) OldSetting->EOMEnable = false;
    PortValidate();
}

void PacketSel::LiveEnable_Click()
{
    BackUpPort();
    if (OldSetting) OldSetting->ISLive = true;
    PortValidate();
}

void PacketSel::LiveDisable_Click()
{
    BackUpPort();
    if (OldSetting) OldSetting->ISLive = false;
    PortValidate();
}

void PacketSel::commit(NumericBox* box, int32_t& member)
{
    BackUpPort();
    StoreWhole(box, member, EmptyText::Zero);
    PortValidate();
}

void PacketSel::CharTimer_LostFocus()
{
    if (OldSetting) commit(CharTimer, OldSetting->CharTimer);
}

void PacketSel::Framesize_LostFocus()
{
    if (OldSetting) commit(Framesize, OldSetting->MaxFrame);
}

void PacketSel::EOMChar_LostFocus()
{
    if (OldSetting) commit(EOMChar, OldSetting->EOMChar);
}

void PacketSel::ResetPacketText()
{
    EOMChar_LostFocus();
    CharTimer_LostFocus();
    Framesize_LostFocus();
}

void PacketSel::Finish_Click()
{
    ResetPacketText();
    hide();
}

void PacketSel::hideEvent(QHideEvent* event)
{
    EditDialog::hideEvent(event);
    if (!event->spontaneous()) Form_Deactivate();
}

void PacketSel::Form_Deactivate()
{
    BrandList->setEnabled(false);
    if (Frame1->isEnabled()) ResetPacketText();
}

void PacketSel::Form_Unload() { ResetPacketText(); }
