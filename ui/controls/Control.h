#pragma once
// What every control kind shares: a place in twips, a background colour and, for those that
// take the focus, a place in the window's keyboard order.

#include <QWidget>
#include <cstdint>

#include "Colors.h"
#include "Twips.h"

namespace kivo::ui {

class Control {
public:
    Control(QWidget* self, TwipsRect rect, int tab = kNoTab)
        : self_(self), rect_(rect), tab_(tab) {}
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    static constexpr int kNoTab = -1;

    QWidget* widget() const { return self_; }
    const TwipsRect& twips() const { return rect_; }
    void setTwips(const TwipsRect& r);
    void setLeft(float t) { setTwips({t, rect_.top, rect_.width, rect_.height}); }
    void setTop(float t) { setTwips({rect_.left, t, rect_.width, rect_.height}); }
    int tab() const { return tab_; }

    std::uint32_t backColor() const { return back_; }
    void setBackColor(std::uint32_t value);

protected:
    // How the kind shows its background; by default an opaque fill of the widget.
    virtual void applyBackColor();

private:
    QWidget* self_;
    TwipsRect rect_;
    int tab_;
    std::uint32_t back_ = 0x00FFFFFF;
};

}  // namespace kivo::ui
