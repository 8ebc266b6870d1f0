#include "Splash.h"

#include "BrandArt.h"
#include "Clock.h"
#include "StartModule.h"

#include <QHBoxLayout>
#include <QLabel>

Splash::Splash(Clock& clock, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), clock_(clock)
{
    setObjectName(QStringLiteral("Splash"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    PicOrvaneSplash = new QLabel(this);
    PicOrvaneSplash->setObjectName(QStringLiteral("PicOrvaneSplash"));
    PicOrvaneSplash->setPixmap(BrandArt::SplashPicture(0));
    PicQuessarsplash = new QLabel(this);
    PicQuessarsplash->setObjectName(QStringLiteral("PicQuessarsplash"));
    PicQuessarsplash->setPixmap(BrandArt::SplashPicture(1));
    layout->addWidget(PicOrvaneSplash);
    layout->addWidget(PicQuessarsplash);
    Form_Load();
}

void Splash::Form_Load()
{
    if (StartModule::BrandingFlag == 0) {
        PicOrvaneSplash->setVisible(true);
        PicQuessarsplash->setVisible(false);
    } else if (StartModule::BrandingFlag == 1) {
        PicOrvaneSplash->setVisible(false);
        PicQuessarsplash->setVisible(true);
    }
    adjustSize();
    timer1Start_ = clock_.NowMs();
    timer1Enabled_ = true;
}

int Splash::Timer1Remaining() const
{
    if (!timer1Enabled_) return 0;
    const int64_t left = timer1Start_ + Timer1Interval - clock_.NowMs();
    return left > 0 ? static_cast<int>(left) : 0;
}

void Splash::Poll()
{
    if (timer1Enabled_ && Timer1Remaining() == 0) Timer1_Timer();
}

void Splash::Timer1_Timer()
{
    timer1Enabled_ = false;
    hide();
}
