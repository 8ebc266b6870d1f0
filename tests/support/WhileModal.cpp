#include "WhileModal.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace {

// How many calls are running; only the innermost one watches, so that inside may
// answer a window of its own through a call of its own.
int running = 0;

struct Running {
    Running() : Depth(++running) {}
    ~Running() { --running; }
    bool Innermost() const { return Depth == running; }
    const int Depth;
};

}  // namespace

QString WhileModal(const std::function<void()>& action, const std::function<void(QWidget*)>& inside)
{
    const Running call;
    // Modal windows already up belong to the caller.
    QList<QPointer<QWidget>> earlier;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && window->isModal()) earlier.append(window);
    enum class Stage { Waiting, Handing, Handed };
    Stage stage = Stage::Waiting;
    QString opened;
    QPointer<QWidget> first;
    // Owns the hand-over, so none is left pending once this returns.
    QObject handOver;

    // Polls from every event loop, the modal windows' own included. The window is
    // handed over from a call of its own, so that this keeps watching while
    // inside runs and can close whatever inside opens.
    QTimer watch;
    watch.setInterval(0);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!call.Innermost() || !modal || !modal->isVisible() || earlier.contains(modal)) return;
        if (stage == Stage::Waiting) {
            stage = Stage::Handing;
            first = modal;
            opened = modal->objectName();
            QTimer::singleShot(0, &handOver, [&] {
                if (first) inside(first);
                if (first && first->isVisible()) {
                    ADD_FAILURE() << opened.toStdString() << " was left open";
                    first->hide();
                }
                stage = Stage::Handed;
            });
            return;
        }
        if (modal == first && stage == Stage::Handing) return;
        if (modal == first)
            ADD_FAILURE() << opened.toStdString() << " showed again";
        else
            ADD_FAILURE() << "another modal window showed: " << modal->objectName().toStdString();
        modal->hide();
    });
    watch.start();
    action();
    for (int i = 0; i < 10 && opened.isEmpty(); ++i) QApplication::processEvents();
    return opened;
}
