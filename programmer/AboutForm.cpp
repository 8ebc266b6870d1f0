#include "AboutForm.h"

#include "BrandArt.h"
#include "DataControl.h"
#include "FontScale.h"
#include "RuntimeError.h"
#include "StartModule.h"

#include <QDate>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

namespace {

QLabel* namedLabel(const QString& name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    // The database's texts are shown as they are, never as markup.
    label->setTextFormat(Qt::PlainText);
    return label;
}

// A field's value as the label shows it: nothing for a null value, a date in the
// system's short form.
QString fieldText(const DataControl& data, const QString& field)
{
    QVariant value;
    try {
        value = data.Field(field);
    } catch (const RuntimeError&) {
        return QString();
    }
    if (value.isNull()) return QString();
    const QDate date = QDate::fromString(value.toString(), Qt::ISODate);
    if (field == QLatin1String("Date") && date.isValid()) return QLocale::system().toString(date, QLocale::ShortFormat);
    return value.toString();
}

}  // namespace

AboutForm::AboutForm(DataControl& versionData, QWidget* parent) : QDialog(parent), versionData_(versionData)
{
    setObjectName(QStringLiteral("AboutForm"));
    setWindowTitle(QString());
    setModal(true);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(16, 16, 16, 12);
    grid->setHorizontalSpacing(16);
    Image = namedLabel(QStringLiteral("Image"), this);
    Image->setPixmap(BrandArt::Logo(StartModule::BrandingFlag == 1 ? 1 : 0, 72));
    Image->setAlignment(Qt::AlignTop);
    VersionLabel = namedLabel(QStringLiteral("VersionLabel"), this);
    QFont bold = VersionLabel->font();
    bold.setBold(true);
    VersionLabel->setFont(bold);
    DBVersion = namedLabel(QStringLiteral("DBVersion"), this);
    DBRelease = namedLabel(QStringLiteral("DBRelease"), this);
    DBDate = namedLabel(QStringLiteral("DBDate"), this);
    WWWAddress = namedLabel(QStringLiteral("WWWAddress"), this);
    WWWAddress->setWordWrap(true);
    WWWAddress->setText(QStringLiteral("Please check our web page \"www.orvane-sypheral.example\" for most current "
                                       "programmer information"));
    OK = new QPushButton(QStringLiteral("&OK"), this);
    OK->setObjectName(QStringLiteral("OK"));
    OK->setDefault(true);
    connect(OK, &QPushButton::clicked, this, [this] { OK_Click(); });

    grid->addWidget(Image, 0, 0, 4, 1);
    grid->addWidget(VersionLabel, 0, 1);
    grid->addWidget(DBVersion, 1, 1);
    grid->addWidget(DBRelease, 2, 1);
    grid->addWidget(DBDate, 3, 1);
    grid->addWidget(WWWAddress, 4, 0, 1, 2);
    grid->addWidget(OK, 5, 1, Qt::AlignRight);
    setFixedWidth(FontScale::Scaled(420));
    Form_Load();
}

void AboutForm::Form_Load()
{
    VersionLabel->setText(QStringLiteral("Version 3.4.5 August 2004"));
    DBVersion->setText(QStringLiteral("Database Version: ") + fieldText(versionData_, QStringLiteral("Version")));
    DBRelease->setText(QStringLiteral("Database Release: ") + fieldText(versionData_, QStringLiteral("Release")));
    DBDate->setText(QStringLiteral("DB Created On: ") + fieldText(versionData_, QStringLiteral("Date")));
}

void AboutForm::OK_Click() { accept(); }
