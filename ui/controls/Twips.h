#pragma once
// Window geometry is kept in twips (1/1440 inch) as single-precision numbers and turned into
// pixels only where a widget is placed: 15 twips make one pixel at 96 dots per inch, and Qt's
// device-independent pixels take care of denser screens.

#include <QRect>
#include <cmath>

#include "LayoutTypes.h"

namespace kivo::ui {

inline constexpr float kTwipsPerPixel = 15.0f;

inline int px(float twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

using TwipsRect = layout::Rect;

inline QRect toPixels(const TwipsRect& r) {
    // Edges are rounded, not sizes, so neighbouring controls never overlap or gap by rounding.
    const int l = px(r.left);
    const int t = px(r.top);
    return {l, t, px(r.left + r.width) - l, px(r.top + r.height) - t};
}

}  // namespace kivo::ui
