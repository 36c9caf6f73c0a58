#pragma once
// The splash's layout as plain data: places in twips within each control's container, colours
// as 0x00BBGGRR. None of its controls takes the focus.

#include "LayoutTypes.h"

namespace kivo::layout::flogo {

inline constexpr std::uint32_t kFormBack = 0x00C0E0FF;
inline constexpr FormLook kForm{"Form3", 5265, 3270, kFormBack, "Kivo"};

// Every label is centred on the window's colour.
inline constexpr LabelLook centred(std::uint32_t fore, Font font) {
    return {fore, kFormBack, true, font, Align::Center, false, false};
}

// clang-format off
inline constexpr FrameLook kF1{{120, 120, 4935, 3015}, "", {}, kFormBack, true};
inline constexpr Text kLabel1{{1035, 240, 3105, 300}, "Press any key to play", centred(kButtonText, {"MS Sans Serif", 12, true})};
inline constexpr Text kLabel5{{1860, 720, 2175, 930}, "e-kivo", centred(0x00000000, {"Tempus Sans ITC", 36, true, true})};
inline constexpr Rect kImage1{120, 720, 1200, 1320};  // the board's icon, stretched
inline constexpr Text kLabel2{{2190, 1800, 1395, 300}, "Version 1.0", centred(kButtonText, {"MS Sans Serif", 12, true})};
inline constexpr Text kLabel3{{345, 2400, 4125, 360}, "by the Kivo team", centred(0x00400000, {"MS Sans Serif", 13.5f, true, true})};
// clang-format on

}  // namespace kivo::layout::flogo
