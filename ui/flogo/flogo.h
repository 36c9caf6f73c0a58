#pragma once
// The splash: a title card over the backdrop. Any click on it or any key leaves it for the
// set-up window.

#include <functional>

#include "Window.h"
#include "flogoWindow.h"

namespace kivo::ui {

class flogo : public WindowOf<flogoWindow> {
public:
    using WindowOf::WindowOf;

    std::function<void()> showFrmback;  // its load shows the backdrop first
    std::function<void()> showForm2;

    // Every click on the window, its frame, labels or picture, and every key, comes here.
    void leave();

protected:
    FormWindow* load() override;
};

}  // namespace kivo::ui
