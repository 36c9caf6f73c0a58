#pragma once
// The end window after "Cancel": "Restart" for a new set-up, "Exit" to leave.

#include <functional>

#include "Window.h"
#include "frmendWindow.h"

namespace kivo::ui {

class frmend : public WindowOf<frmendWindow> {
public:
    using WindowOf::WindowOf;

    std::function<void()> showForm2;

    void Command1_Click();  // "Exit"
    void Command3_Click();  // "Restart"

protected:
    FormWindow* load() override;
};

}  // namespace kivo::ui
