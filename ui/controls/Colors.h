#pragma once
// Colours come as 0x00BBGGRR; 0x800000nn names the platform's system colour nn.

#include <QColor>
#include <cstdint>

namespace kivo::ui {

QColor bgr(std::uint32_t value);

}  // namespace kivo::ui
