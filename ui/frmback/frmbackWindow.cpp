#include "frmbackWindow.h"

#include "frmbackLayout.h"

namespace kivo::ui {

namespace L = kivo::layout::frmback;

frmbackWindow::frmbackWindow(WindowObject& owner) : FormWindow(owner, L::kForm, Placement::Ground) {
    setEnabled(false);
}

}  // namespace kivo::ui
