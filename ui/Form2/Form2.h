#pragma once
// The set-up window: how many players, and their names. "GO" opens the board, which reads
// this window's choice while it is still loaded.

#include <functional>

#include "BoardRules.h"
#include "Form2Window.h"
#include "Window.h"

namespace kivo::ui {

class Form2 : public WindowOf<Form2Window> {
public:
    // showForm1: where "GO" leads.
    Form2(Shell& shell, Go showForm1) : WindowOf(shell), showForm1_(std::move(showForm1)) {}

    // What the window shows now, as the board's set-up reads it.
    SetupChoice choice() const;

    // The handlers.
    void Command1_Click();  // "Ok"
    void cmdreset_Click();  // "Reset"
    void cmdgo_Click();     // "GO"

protected:
    FormWindow* load() override;

private:
    Go showForm1_;
};

}  // namespace kivo::ui
