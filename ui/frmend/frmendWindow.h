#pragma once
// The end window's screen window: the banner, its border and the two buttons.

#include "Button.h"
#include "PictureBox.h"
#include "Window.h"

namespace kivo::ui {

class frmendWindow : public FormWindow {
public:
    explicit frmendWindow(WindowObject& owner);

    Image* Image1;
    Button* Command1;  // "Exit"
    Button* Command3;  // "Restart"
};

}  // namespace kivo::ui
