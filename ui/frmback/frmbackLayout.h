#pragma once
// The backdrop's layout: a colour and nothing else. It opens maximized over the screen, not at
// its design size of 4680 x 3180 twips.

#include "LayoutTypes.h"

namespace kivo::layout::frmback {

inline constexpr const char* kTitle = "Form3";
inline constexpr std::uint32_t kFormBack = 0x00404080;  // the board's own background

}  // namespace kivo::layout::frmback
