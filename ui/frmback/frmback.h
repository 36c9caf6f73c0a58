#pragma once
// The backdrop: a frameless, disabled window covering the screen in the board's colour, below
// every other window until the process ends. No controls, no handlers.

#include "Window.h"
#include "frmbackWindow.h"

namespace kivo::ui {

class frmback : public WindowOf<frmbackWindow> {
public:
    using WindowOf::WindowOf;

protected:
    FormWindow* load() override { return new frmbackWindow(*this); }
    void place(QWidget& w) override { coverScreen(w); }
};

}  // namespace kivo::ui
