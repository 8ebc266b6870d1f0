// The message boxes of the library and of the program show their texts as the
// characters they are: a file name or a modem's reply may look like markup.
#include "HeldEvents.h"
#include "MessageBoxPrompt.h"
#include "ShownAsText.h"
#include "WhileModal.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMessageBox>
#include <gtest/gtest.h>

TEST(MessageBoxPromptTest, MarkupInAMessageIsShownAsItsCharacters)
{
    const struct {
        const char* text;
        const char* shown;
    } cases[] = {
        {"Serial Number: <img src=\"x.png\">", "Serial Number: <img src=\"x.png\">"},
        {"<b>x</b>", "<b>x</b>"},
        {"/home/u/<i>a</i>.mdb already exists.\r\nDo you want to replace it?",
         "/home/u/<i>a</i>.mdb already exists.\nDo you want to replace it?"},
        {"Firmware 3.1 & <br> 2.3", "Firmware 3.1 & <br> 2.3"},
    };
    MessageBoxPrompt prompt;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        MsgResult answer = MsgResult::Cancel;
        bool seen = false;
        WhileModal(
            [&] {
                answer = prompt.Show(QString::fromUtf8(c.text), QStringLiteral("<b>Title</b>"), MsgButtons::OK,
                                     MsgIcon::Information);
            },
            [&](QWidget* window) {
                auto* box = qobject_cast<QMessageBox*>(window);
                ASSERT_TRUE(box);
                seen = true;
                const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
                ASSERT_TRUE(label);
                EXPECT_EQ(label->text().toStdString(), c.shown);
                EXPECT_TRUE(ShownAsText(label));
                EXPECT_EQ(box->windowTitle().toStdString(), "<b>Title</b>");
                box->button(QMessageBox::Ok)->click();
            });
        EXPECT_TRUE(seen);
        EXPECT_EQ(answer, MsgResult::OK);
    }
}

// Once the program ends under its windows, nobody can answer a box: it opens no
// window, and each kind is answered as going on would be, a retry never.
TEST(MessageBoxPromptTest, HeldEventsAnswerWithoutAWindow)
{
    HeldEvents::Hold();
    const struct {
        MsgButtons buttons;
        MsgResult answer;
    } cases[] = {{MsgButtons::OK, MsgResult::OK},           {MsgButtons::OKCancel, MsgResult::OK},
                 {MsgButtons::YesNo, MsgResult::Yes},       {MsgButtons::YesNoCancel, MsgResult::Yes},
                 {MsgButtons::RetryCancel, MsgResult::Cancel}};
    MessageBoxPrompt prompt;
    for (const auto& c : cases) {
        bool windowShown = false;
        MsgResult answer = MsgResult::No;
        WhileModal([&] { answer = prompt.Show(QStringLiteral("text"), QStringLiteral("title"), c.buttons, MsgIcon::None); },
                   [&](QWidget*) { windowShown = true; });
        EXPECT_FALSE(windowShown);
        EXPECT_EQ(answer, c.answer);
    }
}
