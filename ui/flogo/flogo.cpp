#include "flogo.h"

namespace kivo::ui {

FormWindow* flogo::load() {
    auto* w = new flogoWindow(*this);
    w->onClickOrKey([this] { leave(); });
    showFrmback_();  // Form_Load: the backdrop is up before the card
    return w;
}

void flogo::leave() {
    Unload();
    showForm2_();
}

}  // namespace kivo::ui
