#pragma once
// The set-up window's screen window: its controls, built from its layout.

#include "Button.h"
#include "Frame.h"
#include "Inputs.h"
#include "Window.h"

namespace kivo::ui {

class Form2Window : public FormWindow {
public:
    explicit Form2Window(WindowObject& owner);

    Frame* Frame1;
    OptionButton* Op2;
    OptionButton* Op3;
    OptionButton* Op4;
    Button* Command1;
    Frame* Frame2;
    TextBox* Tp1;
    TextBox* Tp2;
    TextBox* Tp3;
    TextBox* Tp4;
    Button* cmdgo;
    Button* cmdreset;
};

}  // namespace kivo::ui
