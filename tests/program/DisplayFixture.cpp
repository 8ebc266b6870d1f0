#include "DisplayFixture.h"

#include "SettingFields.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>

namespace {

QStringList withoutPacketNumbers(QStringList lines)
{
    lines.removeIf([](const QString& line) {
        return line.startsWith(QLatin1String("PortA.Packet=")) || line.startsWith(QLatin1String("PortB.Packet="));
    });
    return lines;
}

}  // namespace

void DisplayFixture::SetUp()
{
    ASSERT_TRUE(Load());
    ASSERT_TRUE(ReadModem()) << prompt.Texts().join(" | ").toStdString();
    prompt.Clear();
}

void DisplayFixture::Show(const std::function<void(ModemSetting&)>& change)
{
    change(form->CurrentModem);
    const QStringList before = withoutPacketNumbers(SettingFields::Lines(form->CurrentModem));
    form->SetDisplay();
    EXPECT_EQ(withoutPacketNumbers(SettingFields::Lines(form->CurrentModem)), before);
    EXPECT_FALSE(form->SettingPage);
    EXPECT_TRUE(prompt.Boxes().isEmpty()) << prompt.Texts().join(" | ").toStdString();
}

bool DisplayFixture::Checked(const QString& name) const
{
    auto* button = Find<QAbstractButton>(name);
    EXPECT_NE(button, nullptr) << name.toStdString();
    return button && button->isChecked();
}

void DisplayFixture::ExpectChosen(const QStringList& group, const QString& chosen) const
{
    for (const QString& option : group)
        EXPECT_EQ(Checked(option), option == chosen) << option.toStdString() << " where " << chosen.toStdString();
}

bool DisplayFixture::Enabled(const QString& name) const
{
    auto* widget = Find<QWidget>(name);
    EXPECT_NE(widget, nullptr) << name.toStdString();
    return widget && widget->isEnabled();
}

QString DisplayFixture::Text(const QString& name) const
{
    QWidget* widget = Find<QWidget>(name);
    if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
    if (auto* box = qobject_cast<QLineEdit*>(widget)) return box->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
    ADD_FAILURE() << "no text control " << name.toStdString();
    return QString();
}
