#include "ScriptedPrompt.h"

MsgResult ScriptedPrompt::Show(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon)
{
    boxes_.append({text, title, buttons, icon});
    if (!answers_.empty()) {
        const MsgResult r = answers_.front();
        answers_.pop_front();
        return r;
    }
    switch (buttons) {
    case MsgButtons::YesNo:
    case MsgButtons::YesNoCancel: return MsgResult::Yes;
    case MsgButtons::RetryCancel: return MsgResult::Retry;
    default: return MsgResult::OK;
    }
}

MsgResult ScriptedPrompt::ShowCautious(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon)
{
    const MsgResult result = Show(text, title, buttons, icon);
    boxes_.last().Cautious = true;
    return result;
}

QStringList ScriptedPrompt::Texts() const
{
    QStringList texts;
    for (const Box& b : boxes_) texts << b.Text;
    return texts;
}
