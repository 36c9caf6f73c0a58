#pragma once
// Colours come as 0x00BBGGRR; 0x800000nn names the system colour nn, taken from the game's
// own light palette.

#include <QColor>
#include <cstdint>

class QWidget;

namespace kivo::ui {

QColor bgr(std::uint32_t value);

// Fills the widget's whole ground with the colour.
void fillGround(QWidget& w, std::uint32_t value);

}  // namespace kivo::ui
