#pragma once
// The end window after "Cancel": "Restart" for a new set-up, "Exit" to leave.

#include <functional>

#include "Button.h"
#include "Window.h"

namespace kivo::ui {

class frmend : public WindowObject {
public:
    std::function<void()> showForm2;

    void Command1_Click();  // "Exit"
    void Command3_Click();  // "Restart"

    Button* Command1 = nullptr;
    Button* Command3 = nullptr;

protected:
    FormWindow* load() override;
    void unloading() override { Command1 = Command3 = nullptr; }
};

}  // namespace kivo::ui
