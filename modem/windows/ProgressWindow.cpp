#include "ProgressWindow.h"

#include "HeldEvents.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>

ProgressWindow::ProgressWindow(QWidget* parent) : QWidget(parent, Qt::Dialog), bar_(new QProgressBar(this))
{
    setObjectName(QStringLiteral("Progress"));
    auto* layout = new QGridLayout(this);
    auto* percentage = new QLabel(QStringLiteral("Percentage Done:"), this);
    percentage->setObjectName(QStringLiteral("Label2"));
    layout->addWidget(percentage, 0, 0, 1, 3);
    bar_->setObjectName(QStringLiteral("ProgressBar1"));
    bar_->setRange(0, 100);
    bar_->setTextVisible(false);
    layout->addWidget(bar_, 1, 0, 1, 3);
    const char* marks[] = {"0%", "50%", "100%"};
    const Qt::Alignment alignments[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    for (int i = 0; i < 3; ++i) {
        auto* mark = new QLabel(QString::fromLatin1(marks[i]), this);
        mark->setObjectName(QStringLiteral("Label1_%1").arg(i));
        layout->addWidget(mark, 2, i, alignments[i]);
    }
    setFixedWidth(360);
}

void ProgressWindow::SetCaption(const QString& caption) { setWindowTitle(caption); }
// Once the display may be gone, the window is neither shown nor painted.
void ProgressWindow::Show()
{
    if (!HeldEvents::Held()) QWidget::show();
}
void ProgressWindow::Hide() { QWidget::hide(); }
void ProgressWindow::SetValue(int percent) { bar_->setValue(qBound(0, percent, 100)); }
int ProgressWindow::Value() const { return bar_->value(); }

void ProgressWindow::Repaint()
{
    // The window is modeless and nothing else turns the event loop while a
    // modem operation runs, so paint it now.
    if (HeldEvents::Held()) return;
    QWidget::repaint();
    QCoreApplication::sendPostedEvents(this);
}
