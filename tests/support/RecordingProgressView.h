#pragma once

#include "ProgressView.h"

#include <QList>

#include <functional>

// Keeps every value the bar was set to and whether it is shown.
class RecordingProgressView : public ProgressView {
public:
    void SetCaption(const QString& caption) override { caption_ = caption; }
    void Show() override { shown_ = true; }
    void Hide() override { shown_ = false; }
    void SetValue(int percent) override
    {
        value_ = percent;
        values_.append(percent);
        if (OnValue) OnValue(percent);
    }
    int Value() const override { return value_; }
    void Repaint() override {}

    const QString& Caption() const { return caption_; }
    bool Shown() const { return shown_; }
    const QList<int>& Values() const { return values_; }

    // Told of every value as it is set.
    std::function<void(int)> OnValue;

private:
    QString caption_;
    bool shown_ = false;
    int value_ = 0;
    QList<int> values_;
};
