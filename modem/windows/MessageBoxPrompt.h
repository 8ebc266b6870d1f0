#pragma once

#include "Prompt.h"

class QWidget;

// Message boxes on the screen.
class MessageBoxPrompt : public Prompt {
public:
    explicit MessageBoxPrompt(QWidget* parent = nullptr) : parent_(parent) {}
    MsgResult Show(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon) override;
    MsgResult ShowCautious(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon) override;

private:
    MsgResult show(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon, bool cautious);

    QWidget* parent_;
};
