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
    // Tab enters a group of options at the selected one, also when a handler selected it:
    // Qt leaves the tab stop on the option that last had the focus, which would then select
    // itself again as the focus passes.
    QObject::connect(this, &QAbstractButton::toggled, this, [this](bool on) {
        if (!on || !parentWidget()) return;
        for (auto* other : parentWidget()->findChildren<OptionButton*>(Qt::FindDirectChildrenOnly)) {
            const int policy = other == this ? (other->focusPolicy() | Qt::TabFocus)
                                             : (other->focusPolicy() & ~Qt::TabFocus);
            other->setFocusPolicy(static_cast<Qt::FocusPolicy>(policy));
        }
    });
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
