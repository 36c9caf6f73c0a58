#include "Form1.h"

#include "Form1Window.h"

namespace kivo::ui {

Form1::Form1(SetupSource setup, DieSource* die)
    : setup_(std::move(setup)), die_(die ? die : &clockDie_) {}

Form1Window* Form1::board() const { return static_cast<Form1Window*>(window()); }

FormWindow* Form1::load() {
    auto* w = new Form1Window(*this, state_, *die_);
    w->Cmdexit->onClick([this] { Cmdexit_Click(); });
    w->rules().Form_Load(setup_());
    return w;
}

void Form1::Cmdexit_Click() {
    Unload();
    if (showFrmend) showFrmend();
}

// The game is abandoned: a running throw or walk stops with the window.
void Form1::unloading() {
    board()->tdie->setEnabled(false);
    board()->tmov->setEnabled(false);
}

}  // namespace kivo::ui
