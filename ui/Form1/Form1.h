#pragma once
// The board window's object: it holds the game's record for the whole process, while its
// screen window comes and goes with each game.

#include <functional>

#include "BoardRules.h"
#include "BoardState.h"
#include "DieSource.h"
#include "Form1Window.h"
#include "Window.h"

namespace kivo::ui {

class Form1 : public WindowOf<Form1Window> {
public:
    // Where the new game's set-up comes from when the window loads.
    using SetupSource = std::function<SetupChoice()>;
    Form1(Shell& shell, SetupSource setup, DieSource* die = nullptr);

    BoardState& state() { return state_; }
    std::function<void()> showFrmend;

    void Cmdexit_Click();  // "Cancel": the game is abandoned for the end window

protected:
    FormWindow* load() override;
    void unloading() override;

private:
    SetupSource setup_;
    ClockDie clockDie_;
    DieSource* die_;
    BoardState state_;
};

}  // namespace kivo::ui
