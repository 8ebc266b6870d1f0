#pragma once

#include "Prompt.h"
#include "WaitView.h"

#include <QString>
#include <deque>

// The answers queued by the "answer" step, shared by the boxes and the wait window.
class AnswerQueue {
public:
    void Push(const QString& button) { answers_.push_back(button); }
    bool Empty() const { return answers_.empty(); }
    const QString& Front() const { return answers_.front(); }
    QString Pop();

private:
    std::deque<QString> answers_;
};

// Every message box becomes a line on stderr, answered from the queue.
class ProbePrompt : public Prompt {
public:
    explicit ProbePrompt(AnswerQueue& answers) : answers_(answers) {}
    MsgResult Show(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon) override;

private:
    AnswerQueue& answers_;
};

// The control's wait window: cancelled by a queued Cancel or an ending signal,
// otherwise it waits, as the window does, for the modem's first character (a
// minute at most).
class ProbeWait : public WaitView {
public:
    explicit ProbeWait(AnswerQueue& answers) : answers_(answers) {}
    bool ShowModal(SerialPort& port) override;

private:
    AnswerQueue& answers_;
};

void PrintErr(const QString& line);
// CR and LF as the two characters "\r" and "\n".
QString Escaped(QString text);
