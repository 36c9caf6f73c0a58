#pragma once
// What every control kind shares: a place in twips, a background colour, for those that take
// the focus a place in the window's keyboard order, and the scale its window is drawn at.

#include <QWidget>
#include <cstdint>
#include <optional>

#include "Colors.h"
#include "Twips.h"

namespace kivo::ui {

class FormWindow;

class Control {
public:
    // Takes the scale of the window it is built in.
    Control(QWidget* self, TwipsRect rect, int tab = kNoTab);
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

    double scale() const { return scale_; }
    void setScale(double scale);

protected:
    // How the kind shows its background; by default an opaque fill of the widget.
    virtual void applyBackColor();
    // How the kind follows a new scale; by default its place, size and font.
    virtual void applyScale();
    // The layout's font, drawn at the control's scale from now on.
    void setLayoutFont(const layout::Font& font);
    QFont scaledFont() const;

private:
    QWidget* self_;
    TwipsRect rect_;
    int tab_;
    const FormWindow* card_;  // the window it is built in, whose shell has the fonts
    double scale_;
    std::optional<layout::Font> font_;
    std::uint32_t back_ = 0x00FFFFFF;
};

}  // namespace kivo::ui
