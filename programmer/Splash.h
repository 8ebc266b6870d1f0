#pragma once

#include <QWidget>

class Clock;
class QLabel;

// The splash window, up for three seconds while the main window loads.
class Splash : public QWidget {
public:
    explicit Splash(Clock& clock, QWidget* parent = nullptr);

    void Form_Load();
    bool Timer1Enabled() const { return timer1Enabled_; }
    // Milliseconds until the timer's tick is due (0 when due or stopped).
    int Timer1Remaining() const;
    // Delivers the timer's tick when it is due; the event loop's part of the timer.
    void Poll();

    static constexpr int Timer1Interval = 3000;

    QLabel* PicOrvaneSplash;
    QLabel* PicQuessarsplash;

private:
    void Timer1_Timer();

    Clock& clock_;
    bool timer1Enabled_ = false;
    int64_t timer1Start_ = 0;
};
