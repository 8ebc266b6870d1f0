#include "BackColor.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace {

const char Property[] = "BackColor";

}  // namespace

QColor BackColor::ToColor(uint32_t code)
{
    if (code & 0x80000000u) {
        const QPalette palette = QApplication::palette();
        switch (code & 0xFF) {
        case 0x0F: return palette.color(QPalette::Button);
        case 0x12: return palette.color(QPalette::ButtonText);
        default: return palette.color(QPalette::Window);
        }
    }
    return QColor(int(code & 0xFF), int((code >> 8) & 0xFF), int((code >> 16) & 0xFF));
}

void BackColor::Set(QWidget* widget, uint32_t code)
{
    QPalette palette = widget->palette();
    // Buttons fill their background from the Button role, other widgets from Window.
    palette.setColor(QPalette::Window, ToColor(code));
    palette.setColor(QPalette::Button, ToColor(code));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
    widget->setProperty(Property, QVariant::fromValue(code));
}

uint32_t BackColor::Of(const QWidget* widget)
{
    const QVariant value = widget->property(Property);
    return value.isValid() ? value.value<uint32_t>() : ButtonFace;
}
