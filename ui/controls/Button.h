#pragma once
// A command button drawn in its own background colour. Space and Enter press it when it has
// the focus.

#include <QPushButton>
#include <functional>

#include "Control.h"

namespace kivo::ui {

class Button : public QPushButton, public Control {
public:
    Button(QWidget* parent, TwipsRect rect, const QString& caption, const QFont& font,
           std::uint32_t back, std::uint32_t fore);

    // The click handler. It never runs while a message box is open.
    void onClick(std::function<void()> handler);

protected:
    void applyBackColor() override;
};

}  // namespace kivo::ui
