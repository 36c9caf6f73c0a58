#pragma once
// The game's own look, the same under every desktop theme and style: Fusion, drawn in one fixed
// light palette, the one the layouts' colours were chosen against. That palette also gives the
// system colours (0x800000nn) of the layouts their values.

class QPalette;

namespace kivo::ui {

// Before the application is made: the desktop's colours and fonts are not taken up, and a
// theme's own toolkit stays off the accessibility bus.
void ignoreDesktopLook();
// Once it is made: the style, the palette and the font, for every card and box.
void setUpLook();

const QPalette& lightPalette();

}  // namespace kivo::ui
