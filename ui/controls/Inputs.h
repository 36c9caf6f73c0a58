#pragma once
// The set-up window's inputs: option buttons that exclude one another within their container
// and select themselves when they take the focus, and text boxes with an optional length limit.

#include <QLineEdit>
#include <QRadioButton>

#include "Control.h"

namespace kivo::ui {

class OptionButton : public QRadioButton, public Control {
public:
    OptionButton(QWidget* parent, const layout::OptionLook& look);

protected:
    void focusInEvent(QFocusEvent* e) override;
};

class TextBox : public QLineEdit, public Control {
public:
    TextBox(QWidget* parent, const layout::TextBoxLook& look);

protected:
    void applyBackColor() override;
};

}  // namespace kivo::ui
