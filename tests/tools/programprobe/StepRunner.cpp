#include "StepRunner.h"

#include "MainForm.h"
#include "NumericBox.h"
#include "ProbeDialogs.h"
#include "ProbeSeams.h"
#include "SettingFields.h"
#include "VellModem.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTextStream>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>

namespace {

QTextStream& out()
{
    static QTextStream stream(stdout);
    return stream;
}

QString boolText(bool value) { return value ? QStringLiteral("True") : QStringLiteral("False"); }

// The text a user reads on a control, or null when it shows none of its own.
std::optional<QString> shownText(const QWidget* w)
{
    if (auto* label = qobject_cast<const QLabel*>(w)) return label->text();
    if (auto* box = qobject_cast<const QLineEdit*>(w)) return box->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(w)) return button->text();
    if (auto* frame = qobject_cast<const QGroupBox*>(w)) return frame->title();
    if (auto* text = qobject_cast<const QPlainTextEdit*>(w)) return text->toPlainText();
    if (auto* list = qobject_cast<const QComboBox*>(w))
        return list->currentIndex() < 0 ? list->placeholderText() : list->currentText();
    return std::nullopt;
}

// Where a click lands on an option or a check box: its indicator, which takes the
// click however wide the control is laid out.
// Types the text as a user does: a key for each character a keyboard's keys
// give, and what an input method commits, one character at a time, for the rest
// (Qt's test keys know only ASCII).
void typeText(QWidget* widget, const QString& text)
{
    for (const char32_t c : text.toUcs4()) {
        if (c >= 0x20 && c < 0x7f) {
            QTest::keyClick(widget, char(c));
            continue;
        }
        QInputMethodEvent commit;
        commit.setCommitString(QString::fromUcs4(&c, 1));
        QApplication::sendEvent(widget, &commit);
    }
}

QPoint indicatorCentre(QAbstractButton* button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const bool radio = qobject_cast<QRadioButton*>(button) != nullptr;
    return button->style()
        ->subElementRect(radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator, &option, button)
        .center();
}

void printControls(const QWidget* root, const QWidget* w)
{
    for (QObject* child : w->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (!widget || !widget->isVisibleTo(root) || widget->isWindow()) continue;
        const std::optional<QString> text = shownText(widget);
        if (text && !widget->objectName().isEmpty()) {
            const QString name = widget->objectName();
            out() << name << '=' << Escaped(*text) << '\n';
            auto* button = qobject_cast<QAbstractButton*>(widget);
            if (button && button->isCheckable()) out() << name << ".Value=" << boolText(button->isChecked()) << '\n';
            // A colour given as the designer gives it (the mark of a chosen label).
            const QVariant colour = widget->property("BackColor");
            if (colour.isValid())
                out() << name << ".BackColor=&H" << QString::number(colour.toUInt(), 16).toUpper() << '\n';
            if (!widget->isEnabledTo(root) || !widget->isEnabled())
                out() << name << ".Enabled=False\n";
        }
        printControls(root, widget);
    }
}

}  // namespace

StepRunner::StepRunner(MainForm& form, AnswerQueue& answers, QStringList args)
    : form_(form), answers_(answers), args_(std::move(args))
{
}

int StepRunner::Run()
{
    runFrom(nullptr);
    out().flush();
    return status_;
}

QString StepRunner::nextArg()
{
    if (next_ >= args_.size()) return QString();
    return args_[next_++];
}

void StepRunner::runFrom(QWidget* window)
{
    // The steps act inside the window until one of them closes it.
    const QPointer<QWidget> inside(window);
    auto open = [&] { return !window || (inside && inside->isVisible()); };
    auto ending = [&] { return form_.QuitRequested(); };
    while (next_ < args_.size() && status_ == 0 && open() && !ending()) {
        const QString name = nextArg();
        runStep([&] { return step(name); });
    }
    // Clicks still due are steps of the run too: they land before it ends.
    if (next_ >= args_.size() && status_ == 0 && pending_ > 0 && open() && !ending())
        runStep([&] {
            while (pending_ > 0 && status_ == 0 && !ending())
                QApplication::processEvents(QEventLoop::AllEvents, 10), QTest::qSleep(5);
            return true;
        });
    // Asked to end, the program ends as it would without the harness: the steps
    // left are dropped, and the windows go as the quit answers them.
    while (ending() && open()) QApplication::processEvents(QEventLoop::AllEvents, 10), QTest::qSleep(5);
}

void StepRunner::runStep(const std::function<bool()>& body)
{
    QWidget* modalBefore = QApplication::activeModalWidget();
    // A modal window opened meanwhile takes the following steps; once they have
    // closed it, its run returns and the code after it goes on.
    QTimer watch;
    watch.setInterval(10);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == modalBefore || !modal->isVisible()) return;
        watch.stop();
        const QPointer<QWidget> opened(modal);
        runFrom(modal);
        if (opened && opened->isVisible()) {
            // The steps ended with the window still open: nothing can close it now.
            out().flush();
            std::fflush(stdout);
            std::fflush(stderr);
            std::_Exit(status_);
        }
        // The code after the window may open another one.
        watch.start();
    });
    watch.start();
    if (!body()) status_ = 2;
    watch.stop();
    // What the step and the code after a closed window posted is handled before the next step.
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents();
}

void StepRunner::clickLater(const QString& ms, const QString& name)
{
    bool ok = false;
    const int delay = ms.toInt(&ok);
    if (!ok || delay < 0 || name.isEmpty()) {
        PrintErr(QStringLiteral("programprobe: after: not a number of milliseconds and a name"));
        status_ = 2;
        return;
    }
    ++pending_;
    QTimer::singleShot(delay, qApp, [this, name] {
        --pending_;
        if (!click(name)) status_ = 2;
    });
}

QWidget* StepRunner::activeWindow() const
{
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return &form_;
}

QObject* StepRunner::find(const QString& name) const
{
    if (QObject* found = activeWindow()->findChild<QObject*>(name)) return found;
    if (activeWindow()->objectName() == name) return activeWindow();
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() == name) return top;
        if (QObject* found = top->findChild<QObject*>(name)) return found;
    }
    return nullptr;
}

bool StepRunner::step(const QString& name)
{
    auto missing = [&](const QString& what) {
        PrintErr(QStringLiteral("programprobe: ") + name + QStringLiteral(": ") + what);
        return false;
    };
    if (name == QLatin1String("port")) {
        const QString device = nextArg();
        if (device.isEmpty()) return missing(QStringLiteral("no device"));
        form_.VellModem1->SetDevicePath(device);
        return true;
    }
    if (name == QLatin1String("read")) return click(QStringLiteral("Menu_Read"));
    if (name == QLatin1String("write")) return click(QStringLiteral("Menu_Write"));
    if (name == QLatin1String("quit")) return click(QStringLiteral("Menu_Quit"));
    if (name == QLatin1String("wizard")) return click(QStringLiteral("Menu_Wizard"));
    if (name == QLatin1String("move")) {
        const QString target = nextArg();
        return move(target, nextArg());
    }
    if (name == QLatin1String("type")) {
        const QString target = nextArg();
        const QString text = nextArg();
        return type(target, text);
    }
    if (name == QLatin1String("click")) return click(nextArg());
    if (name == QLatin1String("after")) {
        const QString ms = nextArg();
        clickLater(ms, nextArg());
        return status_ == 0;
    }
    if (name == QLatin1String("key")) return key(nextArg());
    if (name == QLatin1String("close")) return close(nextArg());
    if (name == QLatin1String("show")) return show(nextArg());
    if (name == QLatin1String("grab")) {
        const QString target = nextArg();
        return grab(target, nextArg());
    }
    if (name == QLatin1String("answer")) {
        const QString button = nextArg();
        if (button.isEmpty()) return missing(QStringLiteral("no button"));
        answers_.Push(button);
        return true;
    }
    if (name == QLatin1String("wait")) {
        bool ok = false;
        const double seconds = nextArg().toDouble(&ok);
        if (!ok || seconds < 0) return missing(QStringLiteral("not a number of seconds"));
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < seconds * 1000 && !form_.QuitRequested())
            QApplication::processEvents(QEventLoop::AllEvents, 10), QTest::qSleep(5);
        return true;
    }
    if (name == QLatin1String("dump")) {
        dump();
        return true;
    }
    if (const std::optional<bool> done = fileStep(name)) return *done;
    return missing(QStringLiteral("unknown step"));
}

std::optional<bool> StepRunner::fileStep(const QString& name)
{
    const bool open = name == QLatin1String("open"), save = name == QLatin1String("save");
    if (open || save) {
        const QString path = nextArg();
        if (path.isEmpty()) {
            PrintErr(QStringLiteral("programprobe: ") + name + QStringLiteral(": no path"));
            return false;
        }
        // "-" cancels the dialog; a path is what the user typed, taken from the current folder.
        dialogs_->Files.Answer(path == QLatin1String("-") ? std::nullopt
                                                          : std::optional(QFileInfo(path).absoluteFilePath()));
        const bool clicked = click(open ? QStringLiteral("Menu_Open") : QStringLiteral("Menu_Save"));
        dialogs_->Files.Answer(std::nullopt);
        return clicked;
    }
    if (name == QLatin1String("recent")) {
        bool ok = false;
        const int entry = nextArg().toInt(&ok);
        if (!ok || entry < 1 || entry > 4) {
            PrintErr(QStringLiteral("programprobe: recent: not an entry from 1 to 4"));
            return false;
        }
        return click(QStringLiteral("Menu_FileName%1").arg(entry));
    }
    if (name == QLatin1String("print")) {
        const QString pdf = nextArg();
        if (pdf.isEmpty()) {
            PrintErr(QStringLiteral("programprobe: print: no PDF file"));
            return false;
        }
        if (pdf == QLatin1String("-")) {
            dialogs_->Printer.Answer(std::nullopt);
        } else {
            // A file that cannot be written is the harness's failure, not the program's.
            QFile file(pdf);
            const bool existed = file.exists();
            if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
                PrintErr(QStringLiteral("programprobe: print: cannot write ") + pdf);
                return false;
            }
            file.close();
            if (!existed) file.remove();
            dialogs_->Printer.Answer(QFileInfo(pdf).absoluteFilePath());
        }
        const bool clicked = click(QStringLiteral("Menu_Print"));
        dialogs_->Printer.Answer(std::nullopt);
        return clicked;
    }
    return std::nullopt;
}

bool StepRunner::click(const QString& name)
{
    QObject* target = find(name);
    if (auto* action = qobject_cast<QAction*>(target)) {
        action->trigger();
        return true;
    }
    auto* widget = qobject_cast<QWidget*>(target);
    if (!widget || widget->isWindow()) {
        PrintErr(QStringLiteral("programprobe: click: no such control ") + name);
        return false;
    }
    // An element of a control array that its window does not use is not there to click.
    if (!widget->isVisible()) {
        PrintErr(QStringLiteral("programprobe: click: not shown ") + name);
        return false;
    }
    // A click takes the focus first, as the mouse would.
    if (widget->isEnabled() && (widget->focusPolicy() & Qt::ClickFocus)) widget->setFocus(Qt::MouseFocusReason);
    auto* button = qobject_cast<QAbstractButton*>(widget);
    if (button && !qobject_cast<QRadioButton*>(button) && !qobject_cast<QCheckBox*>(button)) {
        button->click();
    } else {
        // Options, check boxes and labels get the mouse's press and release, so
        // that what a control does on the press runs too.
        QTest::mouseClick(widget, Qt::LeftButton, {}, button ? indicatorCentre(button) : widget->rect().center());
        // What the press left for the event loop (a window it opens) runs in the step.
        QApplication::processEvents();
    }
    return true;
}

bool StepRunner::move(const QString& name, const QString& value)
{
    auto* slider = qobject_cast<QAbstractSlider*>(find(name));
    if (!slider || !slider->isVisible()) {
        PrintErr(QStringLiteral("programprobe: move: no such slider or scroll bar ") + name);
        return false;
    }
    bool ok = false;
    const int position = value.toInt(&ok);
    if (!ok) {
        PrintErr(QStringLiteral("programprobe: move: not a position ") + value);
        return false;
    }
    // A disabled control does not move, as under the mouse.
    if (!slider->isEnabled()) return true;
    // Pressed, dragged and let go: the change arrives as a drag's does.
    if (slider->focusPolicy() & Qt::ClickFocus) slider->setFocus(Qt::MouseFocusReason);
    slider->setSliderDown(true);
    slider->setSliderPosition(position);
    slider->setSliderDown(false);
    return true;
}

bool StepRunner::type(const QString& name, const QString& text)
{
    // A drop-down list picks the entry that starts with what the user types.
    if (auto* list = qobject_cast<QComboBox*>(find(name))) {
        list->setFocus(Qt::MouseFocusReason);
        typeText(list, text);
        return true;
    }
    auto* box = qobject_cast<QLineEdit*>(find(name));
    if (!box) {
        PrintErr(QStringLiteral("programprobe: type: no such text box ") + name);
        return false;
    }
    box->setFocus(Qt::MouseFocusReason);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    typeText(box, text);
    QTest::keyClick(box, Qt::Key_Return);
    return true;
}

bool StepRunner::key(const QString& keyName)
{
    const QKeySequence sequence = QKeySequence::fromString(keyName);
    if (sequence.isEmpty()) {
        PrintErr(QStringLiteral("programprobe: key: unknown key ") + keyName);
        return false;
    }
    QWidget* window = activeWindow();
    QWidget* target = window->focusWidget() ? window->focusWidget() : window;
    const QKeyCombination combination = sequence[0];
    QTest::keyClick(target, combination.key(), combination.keyboardModifiers());
    return true;
}

bool StepRunner::close(const QString& name)
{
    auto* window = qobject_cast<QWidget*>(find(name));
    if (!window || !window->isWindow()) {
        PrintErr(QStringLiteral("programprobe: close: no such window ") + name);
        return false;
    }
    window->close();
    return true;
}

bool StepRunner::show(const QString& name)
{
    auto* widget = qobject_cast<QWidget*>(find(name));
    if (!widget) {
        PrintErr(QStringLiteral("programprobe: show: no such window or control ") + name);
        return false;
    }
    const QString caption = widget->isWindow() ? widget->windowTitle() : shownText(widget).value_or(QString());
    out() << name << '=' << Escaped(caption) << '\n';
    printControls(widget, widget);
    out().flush();
    return true;
}

bool StepRunner::grab(const QString& name, const QString& path)
{
    auto* widget = qobject_cast<QWidget*>(find(name));
    if (!widget) {
        PrintErr(QStringLiteral("programprobe: grab: no such window or control ") + name);
        return false;
    }
    if (!widget->grab().save(path, "PNG")) {
        PrintErr(QStringLiteral("programprobe: grab: cannot write ") + path);
        return false;
    }
    return true;
}

void StepRunner::dump()
{
    for (const QString& line : SettingFields::Lines(form_.CurrentModem)) out() << line << '\n';
    out() << "FromFile=" << boolText(form_.FromFile) << '\n';
    out() << "StopWrite=" << boolText(form_.StopWrite) << '\n';
    out() << "Working=" << boolText(form_.VellModem1->Working()) << '\n';
    out() << "InitDir=" << form_.GetInitDir() << '\n';
    for (int i = 1; i <= 4; ++i) out() << "RecentFiles" << i << '=' << form_.RecentFile(i) << '\n';
    out().flush();
}
