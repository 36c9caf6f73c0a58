#pragma once
// A command button drawn in its own background colour. Space and Enter press it when it has
// the focus, which a dotted rectangle shows; a disabled one greys its caption.

#include <QPushButton>

#include "Control.h"

namespace kivo::ui {

class Button : public QPushButton, public Control {
public:
    Button(QWidget* parent, const layout::ButtonLook& look);

protected:
    void paintEvent(QPaintEvent* e) override;
    void applyBackColor() override;
};

}  // namespace kivo::ui
