#pragma once

#include <QObject>
#include <QStringList>
#include <functional>
#include <optional>

class AnswerQueue;
class MainForm;
struct ProbeDialogs;
class QWidget;

// Runs the harness's steps in order against the program's own windows. A step
// that opens a modal window does not block: the following steps run inside it
// until one closes it; then the code after the window runs, and the steps go on.
class StepRunner {
public:
    StepRunner(MainForm& form, AnswerQueue& answers, QStringList args);

    // 0 when every step ran, 2 when one could not.
    int Run();
    // The dialogs that the open, save and print steps answer.
    void UseDialogs(ProbeDialogs& dialogs) { dialogs_ = &dialogs; }

private:
    // Runs steps until they end or, inside a modal window, until it closes.
    void runFrom(QWidget* window);
    void runStep(const std::function<bool()>& body);
    bool step(const QString& name);
    // The after step: a click that lands when its time comes, whatever runs then.
    void clickLater(const QString& ms, const QString& name);
    QString nextArg();
    QWidget* activeWindow() const;
    QObject* find(const QString& name) const;

    bool click(const QString& name);
    bool type(const QString& name, const QString& text);
    bool move(const QString& name, const QString& value);
    bool key(const QString& keyName);
    bool close(const QString& name);
    bool show(const QString& name);
    bool grab(const QString& name, const QString& path);
    void dump();
    // The open, save, recent and print steps; none for another step.
    std::optional<bool> fileStep(const QString& name);

    MainForm& form_;
    AnswerQueue& answers_;
    QStringList args_;
    qsizetype next_ = 0;
    int status_ = 0;
    // After clicks still to land.
    int pending_ = 0;
    ProbeDialogs* dialogs_ = nullptr;
};
