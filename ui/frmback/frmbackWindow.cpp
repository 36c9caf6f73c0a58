#include "frmbackWindow.h"

#include "frmbackLayout.h"

namespace kivo::ui {

namespace L = kivo::layout::frmback;

frmbackWindow::frmbackWindow(WindowObject& owner) : FormWindow(owner, L::kForm) {
    setWindowFlags(windowFlags() | Qt::WindowDoesNotAcceptFocus | Qt::WindowStaysOnBottomHint);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setEnabled(false);
}

}  // namespace kivo::ui
