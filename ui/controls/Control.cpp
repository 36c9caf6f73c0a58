#include "Control.h"

#include "Shell.h"
#include "Window.h"

namespace kivo::ui {

namespace {
const FormWindow* cardOf(const QWidget* w) {
    for (; w; w = w->parentWidget()) {
        if (auto* card = dynamic_cast<const FormWindow*>(w)) return card;
    }
    return nullptr;
}
}  // namespace

Control::Control(QWidget* self, TwipsRect rect, int tab)
    : self_(self),
      rect_(rect),
      tab_(tab),
      card_(cardOf(self->parentWidget())),
      scale_(card_ ? card_->scale() : 1.0) {}

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
    if (!font_) return self_->font();
    if (card_) return card_->shell().fonts().font(*font_, scale_);
    QFont f(QString::fromLatin1(font_->family));  // built outside any window: no stand-ins
    f.setPointSizeF(font_->points * scale_);
    f.setBold(font_->bold);
    f.setItalic(font_->italic);
    return f;
}

}  // namespace kivo::ui
