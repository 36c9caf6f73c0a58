#pragma once
// Window geometry is kept in twips (1/1440 inch) as single-precision numbers and turned into
// pixels only where a widget is placed: 15 twips make one pixel of the design, and a window
// is drawn at a scale, so many device-independent pixels to a design pixel. Qt's
// device-independent pixels take care of denser screens.

#include <QRect>
#include <cmath>

#include "LayoutTypes.h"

namespace kivo::ui {

inline constexpr float kTwipsPerPixel = 15.0f;

inline int px(float twips, double scale = 1.0) {
    return static_cast<int>(std::lround(twips * scale / kTwipsPerPixel));
}

using TwipsRect = layout::Rect;

inline QRect toPixels(const TwipsRect& r, double scale = 1.0) {
    // Edges are rounded, not sizes, so neighbouring controls never overlap or gap by rounding.
    const int l = px(r.left, scale);
    const int t = px(r.top, scale);
    return {l, t, px(r.left + r.width, scale) - l, px(r.top + r.height, scale) - t};
}

}  // namespace kivo::ui
