#pragma once
// What the rules may do to the board window. The Qt window implements it over real widgets;
// the tests implement it over plain records and log every effect in order.

#include <cstdint>
#include <string>

#include "Controls.h"

namespace kivo {

// Message box styles: the icon it shows. Every box has a single OK button.
enum MsgStyle : int { kStop = 16, kExclamation = 48, kInformation = 64 };

class BoardView {
public:
    virtual ~BoardView() = default;

    // Geometry in twips, single precision; never rounded by the rules.
    virtual float left(ControlRef c) const = 0;
    virtual float top(ControlRef c) const = 0;
    virtual float width(ControlRef c) const = 0;
    virtual float height(ControlRef c) const = 0;
    virtual void setLeft(ControlRef c, float twips) = 0;
    virtual void setTop(ControlRef c, float twips) = 0;

    // Colours are 0x00BBGGRR.
    virtual std::uint32_t backColor(ControlRef c) const = 0;
    virtual void setBackColor(ControlRef c, std::uint32_t bgr) = 0;
    virtual std::uint32_t formBackColor() const = 0;

    virtual void setVisible(ControlRef c, bool on) = 0;
    virtual void setEnabled(ControlRef c, bool on) = 0;  // timers too: enabled means ticking
    virtual std::string caption(ControlRef c) const = 0;
    virtual void setCaption(ControlRef c, const std::string& text) = 0;
    virtual void copyPicture(ControlRef to, ControlRef from) = 0;
    virtual void setFocus(ControlRef c) = 0;

    // Modal: returns when the players have dismissed it.
    virtual void msgBox(const std::string& prompt, int style, const std::string& title) = 0;

    // Ends the process at once. A test's view may return; the rules then do nothing more.
    virtual void endProcess() = 0;
};

}  // namespace kivo
