#include "WizardForm.h"

#include "Contrast.h"
#include "DatabaseError.h"
#include "ModemSetting.h"
#include "OuterSize.h"
#include "Prompt.h"
#include "RuntimeError.h"
#include "StartModule.h"
#include "Twips.h"
#include "WizardPreset.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>

#include <algorithm>

namespace {

enum StyleBits { Bold = 1, Italic = 2, Underline = 4, Strikeout = 8, Graphical = 16 };

// A stored colour: &HBBGGRR, or a system colour (&H800000nn) taken from the palette.
QColor colourOf(uint32_t value)
{
    if (value == 0) return QApplication::palette().color(QPalette::ButtonText);
    if (value & 0x80000000u) {
        switch (value & 0xFF) {
        case 0x05: return QApplication::palette().color(QPalette::Base);
        case 0x08: return QApplication::palette().color(QPalette::WindowText);
        case 0x0F: return QApplication::palette().color(QPalette::Button);
        case 0x10: return QApplication::palette().color(QPalette::Dark);
        case 0x11: return QApplication::palette().color(QPalette::Disabled, QPalette::Text);
        default: return QApplication::palette().color(QPalette::ButtonText);
        }
    }
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

void setTextColour(QWidget* element, uint32_t value)
{
    // From the page's colours: the element may carry a background of an earlier page.
    QPalette palette = element->parentWidget()->palette();
    const QColor colour = colourOf(value);
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::ButtonText, colour);
    // The stored colour stays; where the desktop's page is too close to it (navy
    // on a dark theme) the item brings a background it reads on.
    // A button draws its own face; any other element shows the page until it fills itself.
    const bool button = qobject_cast<QPushButton*>(element);
    const QColor page = palette.color(button ? QPalette::Button : QPalette::Window);
    const bool own = Contrast::Ratio(colour, page) < Contrast::Readable;
    if (own) palette.setColor(button ? QPalette::Button : element->backgroundRole(), Contrast::BackgroundFor(colour));
    element->setPalette(palette);
    element->setAutoFillBackground(own && !button);
}

// More of one kind than the page's elements can hold.
RuntimeError tooMany(const char* kind)
{
    return RuntimeError(DatabaseError::GeneralError, QStringLiteral("More than 10 %1 on one page").arg(QLatin1String(kind)));
}

}  // namespace

WizardForm::WizardForm(ModemSetting& currentModem, Prompt& prompt, QWidget* parent)
    : QDialog(parent), modem_(currentModem), prompt_(prompt)
{
    setObjectName(QStringLiteral("WizardForm"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    for (int i = 0; i < Elements; ++i) {
        LabelArray[i] = new QLabel(this);
        LabelArray[i]->setObjectName(QStringLiteral("LabelArray(%1)").arg(i));
        // The database's titles are shown as they are, never as markup.
        LabelArray[i]->setTextFormat(Qt::PlainText);
        LabelArray[i]->setWordWrap(true);
        LabelArray[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    for (int i = 0; i < Elements; ++i) {
        ButtonArray[i] = new QToolButton(this);
        ButtonArray[i]->setObjectName(QStringLiteral("ButtonArray(%1)").arg(i));
        ButtonArray[i]->setFocusPolicy(Qt::StrongFocus);
        connect(ButtonArray[i], &QToolButton::clicked, this, [this, i] { ButtonArray_Click(i); });
    }
    for (int i = 0; i < Elements; ++i) {
        PictureArray[i] = new QLabel(this);
        PictureArray[i]->setObjectName(QStringLiteral("PictureArray(%1)").arg(i));
        PictureArray[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    CheckBoxText = new QCheckBox(this);
    CheckBoxText->setObjectName(QStringLiteral("CheckBoxText"));
    CheckBoxGraph = new QPushButton(this);
    CheckBoxGraph->setObjectName(QStringLiteral("CheckBoxGraph"));
    CheckBoxGraph->setCheckable(true);
    CheckBoxGraph->setAutoDefault(false);
    CurrentCheckBox = CheckBoxText;
    // The pages' items carry their own fonts: the stored sizes do not grow.
    outer_ = new OuterSize(this, QSize(), OuterSize::Growth::None);
    ClearPage();
}

WizardForm::~WizardForm() = default;

QString WizardForm::appPath(const QString& name) const { return QDir(AppFolder).filePath(name); }

void WizardForm::StartUpWizard(int16_t& Btype, int16_t& StartPage)
{
    LabelCount = ButtonCount = PictureCount = 0;
    failed_ = false;
    BuildType = Btype;
    data_.reset();
    try {
        data_.emplace(appPath(StartModule::WizardDatabaseName));
    } catch (const RuntimeError& error) {
        // Not a fault of the pages: the file itself is missing.
        failed_ = true;
        prompt_.Show(error.Description(), QStringLiteral("Error Occured"), MsgButtons::OK, MsgIcon::None);
        return;
    }
    if (StartPage != 0) {
        PageID = StartPage;
        return;
    }
    PageID = 0;
    try {
        PageID = data_->StartUpPage(Btype);
    } catch (const RuntimeError&) {
        fail(QLatin1Char('W'));
    }
}

void WizardForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Form_Activate();
}

bool WizardForm::event(QEvent* event)
{
    const bool handled = QDialog::event(event);
    if (event->type() == QEvent::Resize) layoutPlaced();
    return handled;
}

void WizardForm::Form_Activate()
{
    if (failed_) return;
    showPageOrFail();
}

void WizardForm::showPageOrFail()
{
    try {
        ShowPage();
    } catch (const RuntimeError&) {
        fail(QLatin1Char('W'));
    }
}

void WizardForm::ClearPage()
{
    LabelCount = ButtonCount = PictureCount = 0;
    for (QAbstractButton* box : {static_cast<QAbstractButton*>(CheckBoxText), static_cast<QAbstractButton*>(CheckBoxGraph)}) {
        box->setChecked(false);
        box->hide();
    }
    CurrentCheckBox = CheckBoxText;
    for (int i = 0; i < Elements; ++i) {
        LabelArray[i]->hide();
        ButtonArray[i]->hide();
        PictureArray[i]->hide();
    }
    placed_.clear();
    update();
}

void WizardForm::ShowPage()
{
    if (!data_) throw DatabaseError::objectClosed();
    const WizardPage page = data_->Page(PageID, modem_.DiagEnable);
    ClearPage();
    pageTwips_ = QSizeF(page.Width, page.Height);
    if (pageTwips_.width() <= 0 || pageTwips_.height() <= 0)
        throw RuntimeError(DatabaseError::GeneralError, QStringLiteral("A page without a size"));
    setWindowTitle(page.Title);
    sizeToPage();

    const QSize outer(Twips::ToPixels(page.Width), Twips::ToPixels(page.Height));
    if (const QScreen* s = screen()) {
        const QRect area = s->geometry();
        move(area.left() + std::max(0, (area.width() - outer.width()) / 2),
             area.top() + std::max(0, (area.height() - outer.height()) / 2));
    }

    for (const WizardItem& item : page.Items) {
        switch (item.TypeOfItem) {
        case WizardItem::ButtonItem: AddButton(item); break;
        case WizardItem::PictureItem: AddPicture(item); break;
        case WizardItem::LabelItem: AddLabel(item); break;
        case WizardItem::CheckBoxItem: AddCheckBox(item); break;
        default: break;
        }
    }
    orderTabs();
    update();
}

void WizardForm::sizeToPage()
{
    if (pageTwips_.isEmpty()) return;
    // The page's size is the outer one: once the frame is known it comes off the client.
    outer_->SetDesigned(QSize(Twips::ToPixels(pageTwips_.width()), Twips::ToPixels(pageTwips_.height())));
    layoutPlaced();
}

void WizardForm::place(QWidget* element, const WizardItem& item)
{
    // Negative positions count from the right and bottom edges of the page.
    const int left = item.Left < 0 ? qRound(pageTwips_.width()) + item.Left : item.Left;
    const int top = item.Top < 0 ? qRound(pageTwips_.height()) + item.Top : item.Top;
    QFont font = this->font();
    if (!item.FontName.isEmpty()) font.setFamily(item.FontName);
    if (item.FontSize > 0) font.setPointSizeF(item.FontSize);
    font.setBold(item.FontStyle & Bold);
    font.setItalic(item.FontStyle & Italic);
    font.setUnderline(item.FontStyle & Underline);
    font.setStrikeOut(item.FontStyle & Strikeout);
    element->setFont(font);
    placed_.push_back({element, QRect(left, top, item.Width, item.Height)});
    layoutPlaced();
    element->show();
    element->raise();
}

void WizardForm::orderTabs()
{
    // Tab walks the page as it reads, top to bottom and left to right, not in the
    // order the elements were made.
    std::vector<const Placed*> order;
    for (const Placed& p : placed_)
        if (p.Element->focusPolicy() & Qt::TabFocus) order.push_back(&p);
    std::stable_sort(order.begin(), order.end(), [](const Placed* a, const Placed* b) {
        return std::pair(a->Twips.top(), a->Twips.left()) < std::pair(b->Twips.top(), b->Twips.left());
    });
    for (size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1]->Element, order[i]->Element);
}

void WizardForm::layoutPlaced()
{
    if (pageTwips_.isEmpty()) return;
    // Item coordinates are measured against the outer size, spread over the client.
    const double sx = width() / pageTwips_.width();
    const double sy = height() / pageTwips_.height();
    for (const Placed& p : placed_) {
        const QRect& t = p.Twips;
        const int x = qRound(t.x() * sx), y = qRound(t.y() * sy);
        p.Element->setGeometry(x, y, qRound((t.x() + t.width()) * sx) - x, qRound((t.y() + t.height()) * sy) - y);
    }
}

void WizardForm::AddLabel(const WizardItem& item)
{
    if (LabelCount == 10) throw tooMany("labels");
    QLabel* label = LabelArray[LabelCount];
    label->setText(item.Title);
    setTextColour(label, item.ForeColor);
    place(label, item);
    ++LabelCount;
}

void WizardForm::AddPicture(const WizardItem& item)
{
    if (PictureCount == 10) throw tooMany("pictures");
    QLabel* picture = PictureArray[PictureCount];
    if (item.Picture.isEmpty()) {
        picture->clear();
    } else {
        // A file that is not there leaves the element's picture as it was.
        const QString path = appPath(item.Picture);
        QPixmap pixmap;
        if (QFileInfo(path).isFile() && pixmap.load(path)) picture->setPixmap(pixmap);
    }
    place(picture, item);
    ++PictureCount;
}

void WizardForm::AddButton(const WizardItem& item)
{
    if (ButtonCount == 10) throw tooMany("buttons");
    QToolButton* button = ButtonArray[ButtonCount];
    button->setText(item.Title);
    if (item.Picture.isEmpty()) {
        button->setIcon(QIcon());
    } else {
        const QString path = appPath(item.Picture);
        QPixmap pixmap;
        if (QFileInfo(path).isFile() && pixmap.load(path)) {
            button->setIcon(QIcon(pixmap));
            button->setIconSize(pixmap.size());
        }
    }
    // A picture sits above the caption, as on a graphical command button.
    button->setToolButtonStyle(button->icon().isNull() ? Qt::ToolButtonTextOnly : Qt::ToolButtonTextUnderIcon);
    place(button, item);
    ButtonAction[ButtonCount] = item.Action;
    ButtonParam1[ButtonCount] = item.Param1;
    ButtonParam2[ButtonCount] = item.Param2;
    ++ButtonCount;
}

void WizardForm::AddCheckBox(const WizardItem& item)
{
    if (item.FontStyle & Graphical) CurrentCheckBox = CheckBoxGraph;
    else CurrentCheckBox = CheckBoxText;
    CurrentCheckBox->setText(item.Title);
    setTextColour(CurrentCheckBox, item.ForeColor);
    place(CurrentCheckBox, item);
}

void WizardForm::ButtonArray_Click(int Index)
{
    if (Index < 0 || Index >= Elements || failed_) return;
    const bool ticked = CurrentCheckBox->isChecked();
    int16_t chosen = ticked ? ButtonParam2[Index] : ButtonParam1[Index];
    switch (ButtonAction[Index]) {
    case 1:
        PageID = chosen;
        showPageOrFail();
        break;
    case 2:
        if (ApplyWizardSetting(chosen, modem_)) QDialog::done(QDialog::Accepted);
        break;
    case 3: QDialog::done(QDialog::Rejected); break;
    default: break;
    }
}

bool WizardForm::ApplyWizardSetting(int16_t& SetID, ModemSetting& ModemSet)
{
    try {
        if (!data_) throw DatabaseError::objectClosed();
        // Read whole before anything is stored: a fault changes nothing.
        const WizardPreset preset = WizardPreset::Read(data_->Db(), SetID);
        preset.ApplyTo(ModemSet);
    } catch (const RuntimeError&) {
        fail(QLatin1Char('S'));
        return false;
    }
    prompt_.Show(QStringLiteral("Wizard will not change Tx and Rx frequencies, \n"
                                "please check your required Tx and Rx frequencies before writing to the radio."),
                 StartModule::ApplicationTitle, MsgButtons::OK, MsgIcon::Question);
    return true;
}

void WizardForm::fail(QChar letter)
{
    failed_ = true;
    ClearPage();
    const QString text = QStringLiteral("Fatal Error has occured in the application,please report Error ") + letter +
                         QString::number(PageID) + QStringLiteral(" to ") + StartModule::ContactName;
    auto report = [this, text] {
        prompt_.Show(text, StartModule::ApplicationTitle, MsgButtons::OK, MsgIcon::None);
        if (isVisible()) QDialog::done(QDialog::Rejected);
    };
    // While the window is being shown its modal run has not begun: closing it
    // then would leave that run waiting, so the report waits for the run.
    if (isVisible()) QMetaObject::invokeMethod(this, report, Qt::QueuedConnection);
    else report();
}
