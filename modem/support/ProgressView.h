#pragma once

#include <QString>

// The library's progress window as its users drive it: a bar from 0 to 100.
class ProgressView {
public:
    virtual ~ProgressView() = default;

    virtual void SetCaption(const QString& caption) = 0;
    virtual void Show() = 0;
    virtual void Hide() = 0;
    virtual void SetValue(int percent) = 0;
    virtual int Value() const = 0;
    virtual void Repaint() = 0;
};

// Stands in where no window is wanted; keeps the value its users read back.
class NullProgressView : public ProgressView {
public:
    void SetCaption(const QString&) override {}
    void Show() override {}
    void Hide() override {}
    void SetValue(int percent) override { value_ = percent; }
    int Value() const override { return value_; }
    void Repaint() override {}

private:
    int value_ = 0;
};
