#pragma once

#include "ProgressView.h"

#include <QWidget>

class QLabel;
class QProgressBar;

// The library's progress window: a bar from 0 to 100 % under "Percentage Done:".
class ProgressWindow : public QWidget, public ProgressView {
public:
    explicit ProgressWindow(QWidget* parent = nullptr);

    void SetCaption(const QString& caption) override;
    void Show() override;
    void Hide() override;
    void SetValue(int percent) override;
    int Value() const override;
    void Repaint() override;

private:
    QProgressBar* bar_;
};
