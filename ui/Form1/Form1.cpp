#include "Form1.h"

namespace kivo::ui {

Form1::Form1(Shell& shell, SetupSource setup, DieSource* die)
    : WindowOf(shell), setup_(std::move(setup)), die_(die ? die : &clockDie_) {}

FormWindow* Form1::load() {
    auto* w = new Form1Window(*this, state_, *die_);
    w->onClick(w->Cmdexit, [this] { Cmdexit_Click(); });
    w->rules().Form_Load(setup_());
    return w;
}

void Form1::Cmdexit_Click() {
    Unload();
    if (showFrmend) showFrmend();
}

// The game is abandoned: a running throw or walk stops with the window.
void Form1::unloading() {
    screen()->tdie->setEnabled(false);
    screen()->tmov->setEnabled(false);
}

}  // namespace kivo::ui
