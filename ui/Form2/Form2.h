#pragma once
// The set-up window: how many players, and their names. "GO" opens the board, which reads
// this window's choice while it is still loaded.

#include <functional>

#include "BoardRules.h"
#include "Button.h"
#include "Frame.h"
#include "Inputs.h"
#include "Label.h"
#include "Window.h"

namespace kivo::ui {

class Form2 : public WindowObject {
public:
    std::function<void()> showForm1;

    // What the window shows now, as the board's set-up reads it.
    SetupChoice choice() const;

    // The handlers.
    void Command1_Click();  // "Ok"
    void cmdreset_Click();  // "Reset"
    void cmdgo_Click();     // "GO"

    // The controls, while loaded.
    Frame* Frame1 = nullptr;
    Frame* Frame2 = nullptr;
    OptionButton* Op2 = nullptr;
    OptionButton* Op3 = nullptr;
    OptionButton* Op4 = nullptr;
    Button* Command1 = nullptr;
    TextBox* Tp1 = nullptr;
    TextBox* Tp2 = nullptr;
    TextBox* Tp3 = nullptr;
    TextBox* Tp4 = nullptr;
    Button* cmdgo = nullptr;
    Button* cmdreset = nullptr;

protected:
    FormWindow* load() override;
    void unloading() override;
};

}  // namespace kivo::ui
