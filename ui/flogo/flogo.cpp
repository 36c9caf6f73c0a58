#include "flogo.h"

namespace kivo::ui {

FormWindow* flogo::load() {
    auto* w = new flogoWindow(*this, [this] { leave(); });
    if (showFrmback) showFrmback();  // Form_Load: the backdrop is up before the card
    return w;
}

void flogo::leave() {
    Unload();
    if (showForm2) showForm2();
}

}  // namespace kivo::ui
