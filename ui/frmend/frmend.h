#pragma once
// The end window after "Cancel": "Restart" for a new set-up, "Exit" to leave.

#include <functional>

#include "Window.h"
#include "frmendWindow.h"

namespace kivo::ui {

class frmend : public WindowOf<frmendWindow> {
public:
    // showForm2: where "Restart" leads.
    frmend(Shell& shell, Go showForm2) : WindowOf(shell), showForm2_(std::move(showForm2)) {}

    void Command1_Click();  // "Exit"
    void Command3_Click();  // "Restart"

protected:
    FormWindow* load() override;

private:
    Go showForm2_;
};

}  // namespace kivo::ui
