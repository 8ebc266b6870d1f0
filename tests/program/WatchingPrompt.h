#pragma once

#include "ScriptedPrompt.h"

#include <functional>

// The scripted message boxes, with a look at the windows while each box is up.
class WatchingPrompt : public ScriptedPrompt {
public:
    MsgResult Show(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon) override
    {
        if (OnShow) OnShow(text);
        return ScriptedPrompt::Show(text, title, buttons, icon);
    }

    std::function<void(const QString& text)> OnShow;
};
