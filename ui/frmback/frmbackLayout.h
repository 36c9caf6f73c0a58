#pragma once
// The backdrop's layout: a colour and nothing else. It covers the whole stage rather than
// keep its design size.

#include "LayoutTypes.h"

namespace kivo::layout::frmback {

inline constexpr FormLook kForm{"Form3", 4680, 3180, 0x00404080, "Kivo"};  // the board's background

}  // namespace kivo::layout::frmback
