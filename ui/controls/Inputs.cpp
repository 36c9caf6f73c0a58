#include "Inputs.h"

#include <limits>

namespace kivo::ui {

OptionButton::OptionButton(QWidget* parent, const layout::OptionLook& look)
    : QRadioButton(QString::fromUtf8(look.caption), parent), Control(this, look.rect, look.tab) {
    setLayoutFont(look.font);
    setFocusPolicy(Qt::StrongFocus);
    setBackColor(look.back);
    setTwips(look.rect);
    // Tab enters a group of options at the selected one, also when a handler selected it:
    // Qt leaves the tab stop on the option that last had the focus, which would then select
    // itself again as the focus passes.
    QObject::connect(this, &QAbstractButton::toggled, this, [this](bool on) {
        if (!on || !parentWidget()) return;
        for (auto* other :
             parentWidget()->findChildren<OptionButton*>(Qt::FindDirectChildrenOnly)) {
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

TextBox::TextBox(QWidget* parent, const layout::TextBoxLook& look)
    : QLineEdit(parent), Control(this, look.rect, look.tab) {
    setLayoutFont(look.font);
    // Qt reads a limit of 0 as "nothing may be typed"; no limit is the largest one.
    setMaxLength(look.maxLength > 0 ? look.maxLength : std::numeric_limits<int>::max());
    setText(QString::fromUtf8(look.text));
    setBackColor(look.back);
    setTwips(look.rect);
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
