#pragma once
// The end window's layout as plain data: places in twips, colours as 0x00BBGGRR, and each
// button's place in the keyboard order.

#include "LayoutTypes.h"

namespace kivo::layout::frmend {

inline constexpr FormLook kForm{"Form4", 10170, 3915, 0x00FFFFFF, "Kivo: restart or exit"};
inline constexpr std::uint32_t kButtonBack = 0x00EC9C71;
inline constexpr Font kButtonFont{"Tempus Sans ITC", 18, true};

// clang-format off
inline constexpr Rect kImage1{0, 0, 10170, 3915};  // the credit banner, stretched
inline constexpr Border kShape1{{120, 120, 9975, 3735}, 0x006B3901, 4};
inline constexpr ButtonLook kCommand1{{2520, 2520, 2055, 615}, "Exit", kButtonFont, kButtonBack, kButtonText, 1};
inline constexpr ButtonLook kCommand3{{5160, 2520, 2055, 615}, "Restart", kButtonFont, kButtonBack, kButtonText, 0};
// clang-format on

}  // namespace kivo::layout::frmend
