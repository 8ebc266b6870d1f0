#pragma once

#include <QString>

enum class MsgButtons { OK, OKCancel, YesNo, YesNoCancel, RetryCancel };
enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgResult { OK, Cancel, Yes, No, Retry };

// Every message box of the system goes through this seam.
class Prompt {
public:
    virtual ~Prompt() = default;
    virtual MsgResult Show(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon) = 0;
    // The same box with its last button (Cancel, No) as the one that Enter and Space
    // press: for a question whose other answer must be chosen on purpose.
    virtual MsgResult ShowCautious(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon)
    {
        return Show(text, title, buttons, icon);
    }
};
