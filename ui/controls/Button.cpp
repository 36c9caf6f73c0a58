#include "Button.h"

#include "MessageBox.h"

namespace kivo::ui {

Button::Button(QWidget* parent, TwipsRect rect, const QString& caption, const QFont& font,
               std::uint32_t back, std::uint32_t fore)
    : QPushButton(caption, parent), Control(this, rect) {
    setFont(font);
    setFocusPolicy(Qt::StrongFocus);
    setAutoDefault(true);  // Enter presses the focused button, as Space does
    QPalette p = palette();
    p.setColor(QPalette::ButtonText, bgr(fore));
    setPalette(p);
    setBackColor(back);
    setTwips(rect);
}

void Button::onClick(std::function<void()> handler) {
    QObject::connect(this, &QPushButton::clicked, this, [handler = std::move(handler)] {
        if (!messageBoxOpen()) handler();
    });
}

void Button::applyBackColor() {
    QPalette p = palette();
    p.setColor(QPalette::Button, bgr(backColor()));
    p.setColor(QPalette::Window, bgr(backColor()));
    setPalette(p);
    update();
}

}  // namespace kivo::ui
