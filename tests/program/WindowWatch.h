#pragma once

#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>

class FakeClock;

// Watches every widget of the application being shown and hidden: when a window
// of a name (its objectName or its class) was last shown and hidden on the fake
// clock (and after how many event passes), how often it was shown, and a hook
// that runs once a window has been shown.
class WindowWatch : public QObject {
public:
    WindowWatch(FakeClock& clock, QString name);
    ~WindowWatch() override;

    struct Moment {
        bool Seen = false;
        int64_t AtMs = 0;
        int EventPasses = 0;
    };
    const Moment& Shown() const { return shown_; }
    const Moment& Hidden() const { return hidden_; }
    int ShowCount() const { return showCount_; }
    // Runs from the event loop after the window has been shown.
    std::function<void(QWidget* window)> OnShown;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FakeClock& clock_;
    QString name_;
    Moment shown_;
    Moment hidden_;
    int showCount_ = 0;
};
