#include "Button.h"

#include <QPainter>

namespace kivo::ui {

Button::Button(QWidget* parent, const layout::ButtonLook& look)
    : QPushButton(QString::fromUtf8(look.caption), parent), Control(this, look.rect, look.tab) {
    setLayoutFont(look.font);
    setFocusPolicy(Qt::StrongFocus);
    setAutoDefault(true);  // Enter presses the focused button, as Space does
    QPalette p = palette();
    p.setColor(QPalette::ButtonText, bgr(look.fore));
    // A disabled button greys its caption, and only its caption.
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(128, 128, 128));
    setPalette(p);
    setBackColor(look.back);
    setTwips(look.rect);
}

// The button with the keyboard shows it by a dotted rectangle inside it, in its caption's
// colour.
void Button::paintEvent(QPaintEvent* e) {
    QPushButton::paintEvent(e);
    if (!hasFocus()) return;
    QPainter p(this);
    p.setPen(QPen(palette().color(QPalette::ButtonText), 1, Qt::DotLine));
    const int inset = std::max(3, static_cast<int>(4 * scale()));
    p.drawRect(rect().adjusted(inset, inset, -inset - 1, -inset - 1));
}

void Button::applyBackColor() {
    QPalette p = palette();
    p.setColor(QPalette::Button, bgr(backColor()));
    p.setColor(QPalette::Window, bgr(backColor()));
    setPalette(p);
    update();
}

}  // namespace kivo::ui
