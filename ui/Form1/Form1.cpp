#include "Form1.h"

namespace kivo::ui {

Form1::Form1(Shell& shell, SetupSource setup, Go showFrmend, DieSource* die)
    : WindowOf(shell),
      setup_(std::move(setup)),
      showFrmend_(std::move(showFrmend)),
      die_(die ? die : &clockDie_) {}

FormWindow* Form1::load() {
    auto* w = new Form1Window(*this);
    game_ = new Game(*w, shell(), state_, *die_);
    BoardRules& rules = game_->rules;
    w->onClick(w->cmdshuffle, [&rules] { rules.cmdshuffle_Click(); });
    w->onClick(w->cmdmove, [&rules] { rules.cmdmove_Click(); });
    w->onClick(w->Cmdexit, [this] { Cmdexit_Click(); });
    w->tdie->onTick([&rules] { rules.tdie_Timer(); });
    w->tmov->onTick([&rules] { rules.tmov_Timer(); });
    rules.Form_Load(setup_());
    return w;
}

void Form1::Cmdexit_Click() {
    Unload();
    showFrmend_();
}

// The game is abandoned: a running throw or walk stops with the window.
void Form1::unloading() {
    screen()->tdie->setEnabled(false);
    screen()->tmov->setEnabled(false);
    game_ = nullptr;
}

}  // namespace kivo::ui
