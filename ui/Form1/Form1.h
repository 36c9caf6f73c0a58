#pragma once
// The board window's object: it holds the game's record for the whole process, while its
// screen window, the rules' view of it and the board's speech come and go with each game.

#include <functional>

#include "BoardRules.h"
#include "BoardState.h"
#include "DieSource.h"
#include "Form1Speech.h"
#include "Form1View.h"
#include "Form1Window.h"
#include "Shell.h"
#include "Stage.h"
#include "Window.h"

namespace kivo::ui {

class Form1 : public WindowOf<Form1Window> {
public:
    // Where the new game's set-up comes from when the window loads.
    using SetupSource = std::function<SetupChoice()>;
    // showFrmend: where "Cancel" leads.
    Form1(Shell& shell, SetupSource setup, Go showFrmend, DieSource* die = nullptr);

    BoardState& state() { return state_; }
    // The loaded game's rules; none while the window is unloaded.
    BoardRules* rules() { return game_ ? &game_->rules : nullptr; }
    const BoardSpeech* speech() const { return game_ ? &game_->speech : nullptr; }

    void Cmdexit_Click();  // "Cancel": the game is abandoned for the end window

protected:
    FormWindow* load() override;
    void unloading() override;

private:
    // One game's worth: the rules act on the screen window through the view, and tell the
    // speech what happens. It goes with the screen window, once no handler is left on it.
    struct Game : QObject {
        Game(Form1Window& w, Shell& shell, BoardState& state, DieSource& die)
            : QObject(&w),
              view(w, shell),
              speech(w, state, shell.stage().notice()),
              rules(state, view, die, speech) {}
        Form1View view;
        BoardSpeech speech;
        BoardRules rules;
    };

    SetupSource setup_;
    Go showFrmend_;
    ClockDie clockDie_;
    DieSource* die_;
    BoardState state_;
    Game* game_ = nullptr;
};

}  // namespace kivo::ui
