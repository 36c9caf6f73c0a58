#include "Inputs.h"

#include <limits>

namespace kivo::ui {

OptionButton::OptionButton(QWidget* parent, TwipsRect rect, const QString& caption,
                           const QFont& font, std::uint32_t back)
    : QRadioButton(caption, parent), Control(this, rect) {
    setFont(font);
    setFocusPolicy(Qt::StrongFocus);
    setBackColor(back);
    setTwips(rect);
}

void OptionButton::focusInEvent(QFocusEvent* e) {
    QRadioButton::focusInEvent(e);
    setChecked(true);
}

TextBox::TextBox(QWidget* parent, TwipsRect rect, const QString& text, int maxLength,
                 const QFont& font, std::uint32_t back)
    : QLineEdit(parent), Control(this, rect) {
    setFont(font);
    // Qt reads a limit of 0 as "nothing may be typed"; no limit is the largest one.
    setMaxLength(maxLength > 0 ? maxLength : std::numeric_limits<int>::max());
    setText(text);
    setBackColor(back);
    setTwips(rect);
}

void TextBox::applyBackColor() {
    QPalette p = palette();
    p.setColor(QPalette::Base, bgr(backColor()));
    // A locked box still shows its name, greyed but readable on its background.
    p.setColor(QPalette::Disabled, QPalette::Base, bgr(backColor()));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(96, 96, 96));
    setPalette(p);
}

}  // namespace kivo::ui
