#include "BrandArt.h"

#include <QFont>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

struct Branding {
    QColor Dark;
    QColor Light;
    QString Maker;
};

Branding brandingOf(int branding)
{
    if (branding == 1) return {QColor(0x5a, 0x1e, 0x3c), QColor(0xc8, 0x6e, 0x3c), QStringLiteral("Quessar")};
    return {QColor(0x0f, 0x2d, 0x50), QColor(0x2d, 0x8c, 0xb4), QStringLiteral("Orvane")};
}

// A mast with three arcs of radio waves either side, centred on (cx, top..bottom).
void drawMast(QPainter& p, qreal cx, qreal top, qreal bottom, const QColor& colour)
{
    const qreal h = bottom - top;
    QPen pen(colour, h / 22.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const qreal head = top + h * 0.28;
    p.drawLine(QPointF(cx, head), QPointF(cx - h * 0.22, bottom));
    p.drawLine(QPointF(cx, head), QPointF(cx + h * 0.22, bottom));
    p.drawLine(QPointF(cx - h * 0.11, top + h * 0.64), QPointF(cx + h * 0.11, top + h * 0.64));
    p.setBrush(colour);
    p.drawEllipse(QPointF(cx, head), h / 20.0, h / 20.0);
    p.setBrush(Qt::NoBrush);
    for (int i = 1; i <= 3; ++i) {
        const qreal r = h * 0.09 * i;
        const QRectF box(cx - r, head - r, 2 * r, 2 * r);
        p.drawArc(box, -40 * 16, 80 * 16);
        p.drawArc(box, 140 * 16, 80 * 16);
    }
}

}  // namespace

QPixmap BrandArt::SplashPicture(int branding)
{
    const Branding b = brandingOf(branding);
    QPixmap pixmap(480, 270);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, pixmap.height());
    sky.setColorAt(0, b.Light);
    sky.setColorAt(1, b.Dark);
    p.fillRect(pixmap.rect(), sky);
    drawMast(p, 390, 40, 230, QColor(255, 255, 255, 220));

    p.setPen(Qt::white);
    // The title keeps clear of the mast whatever the system's font.
    const QString name = QStringLiteral("Halvex Programmer");
    QFont title(QStringLiteral("Sans"), 26, QFont::Bold);
    while (title.pointSize() > 12 && QFontMetrics(title).horizontalAdvance(name) > 300)
        title.setPointSize(title.pointSize() - 1);
    p.setFont(title);
    p.drawText(QRectF(28, 70, 310, 50), Qt::AlignLeft | Qt::AlignVCenter, name);
    QFont sub(QStringLiteral("Sans"), 12);
    p.setFont(sub);
    p.drawText(QRectF(30, 122, 330, 24), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Radio data modem configuration"));
    p.drawText(QRectF(30, 225, 330, 24), Qt::AlignLeft | Qt::AlignVCenter, b.Maker + QStringLiteral("  \u2022  V3.4.5"));
    return pixmap;
}

QPixmap BrandArt::Logo(int branding, int side)
{
    const Branding b = brandingOf(branding);
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, side, side);
    fill.setColorAt(0, b.Light);
    fill.setColorAt(1, b.Dark);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(0, 0, side, side), side * 0.18, side * 0.18);
    drawMast(p, side / 2.0, side * 0.12, side * 0.88, Qt::white);
    return pixmap;
}

QPixmap BrandArt::AppIcon(int side) { return Logo(0, side); }
