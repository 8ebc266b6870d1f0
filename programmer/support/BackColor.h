#pragma once

#include <QColor>
#include <cstdint>

class QWidget;

// Background colours given as the window designer gives them: &HBBGGRR, or a
// system colour &H800000nn. The code stays on the widget as its "BackColor" property.
namespace BackColor {

inline constexpr uint32_t ButtonFace = 0x8000000F;
inline constexpr uint32_t Grey = 0x808080;
inline constexpr uint32_t Red = 0x0000FF;

QColor ToColor(uint32_t code);
void Set(QWidget* widget, uint32_t code);
// The code last set, or ButtonFace for a widget never given one.
uint32_t Of(const QWidget* widget);

}  // namespace BackColor
