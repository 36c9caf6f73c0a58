#include "Button.h"

namespace kivo::ui {

Button::Button(QWidget* parent, const layout::ButtonLook& look)
    : QPushButton(QString::fromUtf8(look.caption), parent), Control(this, look.rect, look.tab) {
    setLayoutFont(look.font);
    setFocusPolicy(Qt::StrongFocus);
    setAutoDefault(true);  // Enter presses the focused button, as Space does
    QPalette p = palette();
    p.setColor(QPalette::ButtonText, bgr(look.fore));
    setPalette(p);
    setBackColor(look.back);
    setTwips(look.rect);
}

void Button::applyBackColor() {
    QPalette p = palette();
    p.setColor(QPalette::Button, bgr(backColor()));
    p.setColor(QPalette::Window, bgr(backColor()));
    setPalette(p);
    update();
}

}  // namespace kivo::ui
