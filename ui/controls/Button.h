#pragma once
// A command button drawn in its own background colour. Space and Enter press it when it has
// the focus.

#include <QPushButton>

#include "Control.h"

namespace kivo::ui {

class Button : public QPushButton, public Control {
public:
    Button(QWidget* parent, const layout::ButtonLook& look);

protected:
    void applyBackColor() override;
};

}  // namespace kivo::ui
