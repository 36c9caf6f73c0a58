#include "Colors.h"

#include <QApplication>
#include <QPalette>

namespace kivo::ui {

namespace {
QPalette::ColorRole systemRole(std::uint32_t index) {
    switch (index) {
        case 5: return QPalette::Base;         // window background
        case 8: return QPalette::WindowText;   // window text
        case 15: return QPalette::Button;      // button face
        case 18: return QPalette::ButtonText;  // button text
        case 13: return QPalette::Highlight;
        case 14: return QPalette::HighlightedText;
        default: return QPalette::Window;
    }
}
}  // namespace

QColor bgr(std::uint32_t value) {
    if (value & 0x80000000u) return QApplication::palette().color(systemRole(value & 0xFFu));
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

}  // namespace kivo::ui
