#pragma once
// The backdrop's screen window: disabled, it takes no input and never comes to the front.

#include "Window.h"

namespace kivo::ui {

class frmbackWindow : public FormWindow {
public:
    explicit frmbackWindow(WindowObject& owner);
};

}  // namespace kivo::ui
