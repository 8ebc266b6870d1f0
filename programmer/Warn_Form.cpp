#include "Warn_Form.h"

#include "FontScale.h"
#include "MainForm.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QFrame>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QVBoxLayout>

Warn_Form::Warn_Form(MainForm& mainForm, std::function<double()> random, QWidget* parent)
    : QDialog(parent), mainForm_(mainForm), random_(std::move(random))
{
    setObjectName(QStringLiteral("Warn_Form"));
    setWindowTitle(QStringLiteral("Warning"));
    setModal(true);
    if (!random_) {
        // A generator of its own, seeded from the clock, so the draw differs from start to start.
        random_ = [generator = QRandomGenerator(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch()))]() mutable {
            return generator.generateDouble();
        };
    }

    auto* outer = new QVBoxLayout(this);
    Panel3D1 = new QFrame(this);
    Panel3D1->setObjectName(QStringLiteral("Panel3D1"));
    Panel3D1->setFrameShape(QFrame::StyledPanel);
    auto* panelLayout = new QVBoxLayout(Panel3D1);
    Warning_Box = new QPlainTextEdit(Panel3D1);
    Warning_Box->setObjectName(QStringLiteral("Warning_Box"));
    Warning_Box->setReadOnly(true);
    Warning_Box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    panelLayout->addWidget(Warning_Box);
    outer->addWidget(Panel3D1);

    // The buttons sit at fixed places so that the swap exchanges their positions.
    auto* buttonRow = new QWidget(this);
    buttonRow->setFixedHeight(FontScale::Scaled(40));
    AcceptButon = new QPushButton(QStringLiteral("&Accept"), buttonRow);
    AcceptButon->setObjectName(QStringLiteral("AcceptButon"));
    CloseButon = new QPushButton(QStringLiteral("&Close"), buttonRow);
    CloseButon->setObjectName(QStringLiteral("CloseButon"));
    for (QPushButton* button : {AcceptButon, CloseButon}) {
        button->setAutoDefault(false);
        button->setFixedSize(FontScale::Scaled(QSize(110, 30)));
    }
    AcceptButon->move(FontScale::Scaled(170), FontScale::Scaled(5));
    CloseButon->move(FontScale::Scaled(310), FontScale::Scaled(5));
    outer->addWidget(buttonRow);
    connect(AcceptButon, &QPushButton::clicked, this, [this] { AcceptButon_Click(); });
    connect(CloseButon, &QPushButton::clicked, this, [this] { CloseButon_Click(); });

    resize(FontScale::Scaled(QSize(600, 470)));
    Form_Load();
}

QString Warn_Form::WarningText()
{
    const QString crlf = QStringLiteral("\r\n");
    const QStringList paragraphs = {
        QStringLiteral("Improper use of this software may cause the radio product to operate "
                       "in a configuration which contravenes the laws, statutes and "
                       "regulations of the communications governing authority."),
        QStringLiteral("Setting of Transmitter Frequencies, Transmitter Output Power levels "
                       "and any other variable which may cause the radio to cause interference "
                       "to other users is considered by most Communications Authorities as a "
                       "serious offence, and must be avoided at all times."),
        QStringLiteral("This software is an AID to alignment and configuration but is NOT a "
                       "qualified measuring instrument, and must not be used as such."),
        QStringLiteral("All changes to the radio effected by this software MUST be confirmed "
                       "as correct and legal by fully calibrated test equipment operated by "
                       "qualified technical personnel as mandated by the local authorities."),
        QStringLiteral("Further use of this software constitutes an acceptance of the above "
                       "warning and the agreement by the operator of full and complete "
                       "responsibility for installation and operation of the connected radio "
                       "unit in accordance with the appropriate laws."),
    };
    return crlf + QString(24, QLatin1Char(' ')) + QStringLiteral("**** Warning Warning Warning ****") + crlf + crlf +
           paragraphs.join(crlf + crlf);
}

void Warn_Form::Form_Load()
{
    if (random_() > 0.5) {
        const int acceptLeft = AcceptButon->x();
        AcceptButon->move(CloseButon->x(), AcceptButon->y());
        CloseButon->move(acceptLeft, CloseButon->y());
    }
    Warning_Box->setPlainText(WarningText());
}

void Warn_Form::AcceptButon_Click()
{
    unloading_ = true;
    accept();
}

void Warn_Form::CloseButon_Click()
{
    // Unloading the main window asks the quit question; OK ends the program there.
    bool cancel = false;
    mainForm_.Form_Unload(cancel);
    unloading_ = true;
    done(QDialog::Rejected);
}

void Warn_Form::closeEvent(QCloseEvent* event)
{
    if (unloading_) {
        QDialog::closeEvent(event);
        return;
    }
    // The close box leaves the way the Close button does.
    event->ignore();
    CloseButon_Click();
}

void Warn_Form::reject()
{
    if (unloading_) {
        QDialog::reject();
        return;
    }
    CloseButon_Click();
}
