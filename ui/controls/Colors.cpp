#include "Colors.h"

#include <QPalette>
#include <QWidget>

#include "LayoutTypes.h"
#include "Look.h"

namespace kivo::ui {

QColor bgr(std::uint32_t value) {
    if (value & 0x80000000u) {
        const QPalette::ColorRole role = value == layout::kWindowText   ? QPalette::WindowText
                                         : value == layout::kButtonText ? QPalette::ButtonText
                                                                        : QPalette::Window;
        return lightPalette().color(role);
    }
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

void fillGround(QWidget& w, std::uint32_t value) {
    QPalette p = w.palette();
    p.setColor(QPalette::Window, bgr(value));
    w.setPalette(p);
    w.setAutoFillBackground(true);
}

}  // namespace kivo::ui
