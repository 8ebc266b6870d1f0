// wizardart: draws the wizard's pictures into a folder, as the PNG files that
// Wizard.mdb names (WizardArt/*.png beside the program).
//   wizardart FOLDER
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>
#include <functional>

namespace {

const QColor Navy(0x0f, 0x2d, 0x50);
const QColor Sky(0x2d, 0x8c, 0xb4);
const QColor Pale(0xe6, 0xf0, 0xf8);

// A mast with two arcs of waves either side, standing on (cx, bottom).
void mast(QPainter& p, qreal cx, qreal top, qreal bottom, const QColor& colour)
{
    const qreal h = bottom - top;
    p.setPen(QPen(colour, std::max<qreal>(1.5, h / 18.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const qreal head = top + h * 0.3;
    p.drawLine(QPointF(cx, head), QPointF(cx - h * 0.2, bottom));
    p.drawLine(QPointF(cx, head), QPointF(cx + h * 0.2, bottom));
    for (int i = 1; i <= 2; ++i) {
        const qreal r = h * 0.14 * i;
        const QRectF box(cx - r, head - r, 2 * r, 2 * r);
        p.drawArc(box, -40 * 16, 80 * 16);
        p.drawArc(box, 140 * 16, 80 * 16);
    }
    p.setBrush(colour);
    p.drawEllipse(QPointF(cx, head), h / 16.0, h / 16.0);
}

void background(QPainter& p, const QSize& size)
{
    QLinearGradient fill(0, 0, 0, size.height());
    fill.setColorAt(0, Qt::white);
    fill.setColorAt(1, Pale);
    p.setPen(QPen(Sky, 1));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), 6, 6);
}

// A family's picture: its mast and its band written under it, and a second,
// smaller line under that when the family has one.
void band(QPainter& p, const QSize& size, const QString& text, const QString& second = {})
{
    background(p, size);
    const qreal h = size.height();
    const qreal textTop = second.isEmpty() ? 0.7 : 0.6;
    mast(p, size.width() / 2.0, 8, h * (textTop - 0.02), Navy);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(int(h / 7));
    font.setBold(true);
    p.setFont(font);
    p.setPen(Sky);
    p.drawText(QRectF(0, h * textTop, size.width(), h * 0.2), Qt::AlignCenter, text);
    if (second.isEmpty()) return;
    font.setPixelSize(int(h / 9));
    p.setFont(font);
    p.setPen(Navy);
    p.drawText(QRectF(0, h * 0.8, size.width(), h * 0.16), Qt::AlignCenter, second);
}

// The modem with its radio inside: a case, its lights and a short antenna.
void builtIn(QPainter& p, const QSize& size)
{
    background(p, size);
    const qreal w = size.width(), h = size.height();
    p.setPen(QPen(Navy, 2));
    p.drawLine(QPointF(w * 0.72, h * 0.45), QPointF(w * 0.72, h * 0.12));
    p.setBrush(Navy);
    p.drawEllipse(QPointF(w * 0.72, h * 0.12), 3, 3);
    QLinearGradient metal(0, h * 0.45, 0, h * 0.8);
    metal.setColorAt(0, Sky);
    metal.setColorAt(1, Navy);
    p.setBrush(metal);
    p.drawRoundedRect(QRectF(w * 0.15, h * 0.45, w * 0.7, h * 0.35), 4, 4);
    p.setPen(Qt::NoPen);
    const QColor lights[] = {QColor(0x40, 0xd0, 0x40), QColor(0xf0, 0xc0, 0x30), QColor(0xe0, 0x50, 0x40)};
    for (int i = 0; i < 3; ++i) {
        p.setBrush(lights[i]);
        p.drawEllipse(QPointF(w * (0.28 + 0.12 * i), h * 0.62), 3.5, 3.5);
    }
}

// Two masts talking to each other.
void pointToPoint(QPainter& p, const QSize& size)
{
    const qreal w = size.width(), h = size.height();
    mast(p, w * 0.22, h * 0.2, h * 0.9, Navy);
    mast(p, w * 0.78, h * 0.2, h * 0.9, Navy);
    p.setPen(QPen(Sky, 2, Qt::DashLine));
    p.drawLine(QPointF(w * 0.36, h * 0.36), QPointF(w * 0.64, h * 0.36));
}

// A master mast in the middle, reaching three remote ones.
void multiDrop(QPainter& p, const QSize& size)
{
    const qreal w = size.width(), h = size.height();
    p.setPen(QPen(Sky, 1.5, Qt::DashLine));
    const QPointF master(w * 0.5, h * 0.3);
    const QPointF remotes[] = {{w * 0.14, h * 0.62}, {w * 0.5, h * 0.8}, {w * 0.86, h * 0.62}};
    for (const QPointF& r : remotes) p.drawLine(master, r);
    mast(p, master.x(), h * 0.04, h * 0.52, Navy);
    p.setPen(Qt::NoPen);
    p.setBrush(Sky);
    for (const QPointF& r : remotes) p.drawRoundedRect(QRectF(r.x() - 6, r.y() - 5, 12, 10), 2, 2);
}

bool save(const QDir& folder, const QString& name, const QSize& size, const std::function<void(QPainter&, QSize)>& draw)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        draw(p, size);
    }
    return image.save(folder.filePath(name), "PNG");
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: wizardart FOLDER\n");
        return 2;
    }
    QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "wizardart: %s cannot be made\n", argv[1]);
        return 1;
    }
    const QSize family(96, 96), button(56, 56);
    const bool ok =
        save(folder, QStringLiteral("builtin.png"), family, builtIn) &&
        save(folder, QStringLiteral("band900.png"), family, [](QPainter& p, QSize s) { band(p, s, QStringLiteral("900 MHz")); }) &&
        save(folder, QStringLiteral("band450.png"), family, [](QPainter& p, QSize s) { band(p, s, QStringLiteral("450 MHz")); }) &&
        save(folder, QStringLiteral("band200.png"), family, [](QPainter& p, QSize s) { band(p, s, QStringLiteral("200 MHz")); }) &&
        save(folder, QStringLiteral("band900nb.png"), family,
             [](QPainter& p, QSize s) { band(p, s, QStringLiteral("900 MHz"), QStringLiteral("narrow band")); }) &&
        save(folder, QStringLiteral("band400nb.png"), family,
             [](QPainter& p, QSize s) { band(p, s, QStringLiteral("400 MHz"), QStringLiteral("narrow band")); }) &&
        save(folder, QStringLiteral("link.png"), button, pointToPoint) && save(folder, QStringLiteral("network.png"), button, multiDrop);
    if (!ok) {
        std::fprintf(stderr, "wizardart: the pictures cannot be written to %s\n", argv[1]);
        return 1;
    }
    return 0;
}
