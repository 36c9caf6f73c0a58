#pragma once
// The stage: the program's one window, titled for the task bar, painted in the backdrop's
// colour. The board's design size sets the scale at which every window is drawn on it.

#include "LayoutTypes.h"

namespace kivo::layout {

inline constexpr FormLook kStage{"Kivo", 11850, 9000, 0x00404080, "Kivo"};

}  // namespace kivo::layout
