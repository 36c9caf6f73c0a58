#include "Control.h"

namespace kivo::ui {

void Control::setTwips(const TwipsRect& r) {
    rect_ = r;
    self_->setGeometry(toPixels(r));
}

void Control::setBackColor(std::uint32_t value) {
    back_ = value;
    applyBackColor();
}

void Control::applyBackColor() {
    QPalette p = self_->palette();
    p.setColor(QPalette::Window, bgr(back_));
    p.setColor(QPalette::Button, bgr(back_));
    self_->setPalette(p);
    self_->setAutoFillBackground(true);
    self_->update();
}

}  // namespace kivo::ui
