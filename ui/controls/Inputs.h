#pragma once
// The set-up window's inputs: option buttons that exclude one another within their container
// and select themselves when they take the focus, and text boxes with an optional length limit.

#include <QLineEdit>
#include <QRadioButton>

#include "Control.h"

namespace kivo::ui {

class OptionButton : public QRadioButton, public Control {
public:
    OptionButton(QWidget* parent, TwipsRect rect, const QString& caption, const QFont& font,
                 std::uint32_t back);

protected:
    void focusInEvent(QFocusEvent* e) override;
};

class TextBox : public QLineEdit, public Control {
public:
    // maxLength 0 means no limit.
    TextBox(QWidget* parent, TwipsRect rect, const QString& text, int maxLength, const QFont& font,
            std::uint32_t back);

protected:
    void applyBackColor() override;
};

}  // namespace kivo::ui
