#include "frmback.h"

namespace kivo::ui {

namespace {
constexpr std::uint32_t kBack = 0x00404080;
}

FormWindow* frmback::load() {
    auto* w = new FormWindow(*this, kBack);
    w->setWindowTitle(QStringLiteral("Form3"));
    // Takes no input and never comes to the front.
    w->setWindowFlags(w->windowFlags() | Qt::WindowDoesNotAcceptFocus | Qt::WindowStaysOnBottomHint);
    w->setAttribute(Qt::WA_ShowWithoutActivating);
    w->setEnabled(false);
    return w;
}

}  // namespace kivo::ui
