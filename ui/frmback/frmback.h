#pragma once
// The backdrop: a frameless, disabled window covering the screen in the board's colour, below
// every other window until the process ends. No controls, no handlers.

#include "Window.h"

namespace kivo::ui {

class frmback : public WindowObject {
protected:
    FormWindow* load() override;
    void place(QWidget& w) override { coverScreen(w); }
};

}  // namespace kivo::ui
