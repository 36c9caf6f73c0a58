#pragma once
// The layouts name Windows fonts. Where they are missing, look-alikes stand in.

#include <QFont>

#include "LayoutTypes.h"

namespace kivo::ui {

// Registers the stand-ins once; safe to call again. The game runs with none of them installed.
void installFonts();

QFont layoutFont(const layout::Font& font);

}  // namespace kivo::ui
