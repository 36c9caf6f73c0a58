#pragma once
// The backdrop: the stage's ground, a disabled card covering the stage in the board's colour,
// beneath every other window until the process ends. No controls, no handlers.

#include "Window.h"
#include "frmbackWindow.h"

namespace kivo::ui {

class frmback : public WindowOf<frmbackWindow> {
public:
    using WindowOf::WindowOf;

protected:
    FormWindow* load() override { return new frmbackWindow(*this); }
};

}  // namespace kivo::ui
