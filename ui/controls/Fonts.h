#pragma once
// The layouts name Windows fonts. Where they are missing, look-alikes stand in.

#include <QFont>

#include "LayoutTypes.h"

namespace kivo::ui {

// Registers the stand-ins once; safe to call again. The game runs with none of them installed.
void installFonts();

// The layout's font at a scale: its size in points times the scale.
QFont layoutFont(const layout::Font& font, double scale = 1.0);

}  // namespace kivo::ui
