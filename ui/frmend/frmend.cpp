#include "frmend.h"

#include "Shell.h"

namespace kivo::ui {

FormWindow* frmend::load() {
    auto* w = new frmendWindow(*this);
    w->onClick(w->Command1, [this] { Command1_Click(); });
    w->onClick(w->Command3, [this] { Command3_Click(); });
    return w;
}

void frmend::Command1_Click() {
    shell().end();
}

void frmend::Command3_Click() {
    Unload();
    showForm2_();
}

}  // namespace kivo::ui
