#pragma once

#include "Prompt.h"

#include <QList>
#include <QString>
#include <deque>

// Records every message box and answers from a queue (OK, or the first button,
// when the queue is empty).
class ScriptedPrompt : public Prompt {
public:
    struct Box {
        QString Text;
        QString Title;
        MsgButtons Buttons;
        MsgIcon Icon;
        // Its last button is the one that Enter and Space press.
        bool Cautious = false;
    };

    MsgResult Show(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon) override;
    MsgResult ShowCautious(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon) override;

    void Answer(MsgResult result) { answers_.push_back(result); }
    const QList<Box>& Boxes() const { return boxes_; }
    QStringList Texts() const;
    void Clear() { boxes_.clear(); }

private:
    QList<Box> boxes_;
    std::deque<MsgResult> answers_;
};
