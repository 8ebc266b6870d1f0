#include "MainWindowFixture.h"

#include "NumericBox.h"
#include "StartModule.h"
#include "VellModem.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFileInfo>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

void MainWindowFixture::SetUp()
{
    seams.clock = &clock;
    seams.prompt = &prompt;
    seams.port = &port;
    seams.dataDir = QFileInfo(QStringLiteral(MODEM_DATABASE_PATH)).absolutePath();
    seams.end = [this](int code) { ended = code; };
    form.reset(StartModule::LoadMainForm(seams));
    ASSERT_TRUE(form);
    form->show();
    QApplication::processEvents();
}

void MainWindowFixture::TearDown()
{
    // No window may stay open for the next test.
    while (QWidget* modal = QApplication::activeModalWidget()) modal->hide();
    form.reset();
}

void MainWindowFixture::SetMemory(int address, const std::vector<uint8_t>& bytes)
{
    modem.SetMemory(address, bytes);
    const uint16_t word = modem.CorrectCheckWord();
    modem.SetMemory(0xFD, {uint8_t(word >> 8), uint8_t(word)});
}

void MainWindowFixture::ReadModem()
{
    form->Menu_Read_Click();
    ASSERT_TRUE(form->VellModem1->Working()) << TakeMessages().join('\n').toStdString();
    ASSERT_TRUE(form->TransFreq->isEnabled());
    TakeMessages();
}

void MainWindowFixture::Click(QWidget* control)
{
    auto* button = qobject_cast<QAbstractButton*>(control);
    if (button && !qobject_cast<QRadioButton*>(button) && !qobject_cast<QCheckBox*>(button)) {
        if (button->isEnabled()) button->setFocus(Qt::MouseFocusReason);
        button->click();
        return;
    }
    QPoint at = control->rect().center();
    if (button) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const auto element = qobject_cast<QRadioButton*>(button) ? QStyle::SE_RadioButtonIndicator
                                                                 : QStyle::SE_CheckBoxIndicator;
        at = button->style()->subElementRect(element, &option, button).center();
    }
    QTest::mouseClick(control, Qt::LeftButton, {}, at);
    QApplication::processEvents();
}

void MainWindowFixture::Type(NumericBox* box, const QString& text)
{
    box->setFocus(Qt::MouseFocusReason);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

void MainWindowFixture::Paste(NumericBox* box, const QString& text)
{
    box->setFocus(Qt::MouseFocusReason);
    box->selectAll();
    QApplication::clipboard()->setText(text);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    QApplication::processEvents();
}

void MainWindowFixture::PressKey(QWidget* window, int key)
{
    QWidget* target = window->focusWidget() ? window->focusWidget() : window;
    QTest::keyClick(target, Qt::Key(key));
}

QStringList MainWindowFixture::TakeMessages()
{
    QStringList texts;
    for (const ScriptedPrompt::Box& box : prompt.Boxes())
        texts << (box.Title == QLatin1String(InvalidSetting) ? box.Text : box.Title + QStringLiteral(": ") + box.Text);
    prompt.Clear();
    return texts;
}
