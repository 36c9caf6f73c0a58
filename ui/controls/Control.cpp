#include "Control.h"

#include "Fonts.h"
#include "Window.h"

namespace kivo::ui {

namespace {
double scaleOf(const QWidget* w) {
    for (; w; w = w->parentWidget()) {
        if (auto* card = dynamic_cast<const FormWindow*>(w)) return card->scale();
    }
    return 1.0;
}
}  // namespace

Control::Control(QWidget* self, TwipsRect rect, int tab)
    : self_(self), rect_(rect), tab_(tab), scale_(scaleOf(self->parentWidget())) {}

void Control::setTwips(const TwipsRect& r) {
    rect_ = r;
    self_->setGeometry(toPixels(r, scale_));
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

void Control::setScale(double scale) {
    scale_ = scale;
    applyScale();
}

void Control::applyScale() {
    setTwips(rect_);
    if (font_) self_->setFont(scaledFont());
    self_->update();
}

void Control::setLayoutFont(const layout::Font& font) {
    font_ = font;
    self_->setFont(scaledFont());
}

QFont Control::scaledFont() const {
    return font_ ? layoutFont(*font_, scale_) : self_->font();
}

}  // namespace kivo::ui
