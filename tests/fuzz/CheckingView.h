#pragma once
// A board window for the fuzzer: plain records started from the layout, like the tests' fake
// window but without a log, and a trap on anything the rules must never do to the window.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "BoardState.h"
#include "BoardView.h"

namespace kivo::fuzz {

// Reports a broken rule on stderr and stops the run, so the fuzzer keeps the input.
[[noreturn]] void fail(const char* what);
inline void check(bool good, const char* what) {
    if (!good) fail(what);
}

struct Control {
    float left = 0, top = 0, width = 0, height = 0;
    std::uint32_t back = 0;
    bool visible = true;
    bool enabled = true;
    std::string caption;
    std::string picture;  // "figure0".."figure3", "binoculars", ""
};

// The message boxes the board may show, in this order.
enum Box : int { kLucky, kSnake, kLadder, kCollision, kFirst, kSecond, kThird, kOver, kBoxes };

class CheckingView final : public BoardView {
public:
    // A freshly loaded board window, watching the game's record while the rules run.
    explicit CheckingView(const BoardState& s);

    float left(ControlRef c) const override { return read(c).left; }
    float top(ControlRef c) const override { return read(c).top; }
    float width(ControlRef c) const override { return read(c).width; }
    float height(ControlRef c) const override { return read(c).height; }
    void setLeft(ControlRef c, float twips) override { touch(c).left = twips; }
    void setTop(ControlRef c, float twips) override { touch(c).top = twips; }
    std::uint32_t backColor(ControlRef c) const override { return read(c).back; }
    void setBackColor(ControlRef c, std::uint32_t bgr) override { touch(c).back = bgr; }
    std::uint32_t formBackColor() const override;
    void setVisible(ControlRef c, bool on) override { touch(c).visible = on; }
    void setEnabled(ControlRef c, bool on) override;
    std::string caption(ControlRef c) const override { return read(c).caption; }
    void setCaption(ControlRef c, const std::string& text) override;
    void copyPicture(ControlRef to, ControlRef from) override;
    void setFocus(ControlRef c) override;
    void msgBox(const std::string& prompt, int style, const std::string& title) override;
    void endProcess() override;

    // What the players see, for the fuzzer's own checks; traps on a control the window lacks.
    const Control& at(ControlRef c) const;
    bool on(Ctl kind) const { return at({kind}).enabled; }

    mutable long calls = 0;  // every call the rules made, reads included
    std::array<int, kBoxes> shown{};
    int messages = 0;
    int ends = 0;
    ControlRef focus{Ctl::cmdshuffle};
    // Off while the set-up runs: the record is half filled until it ends.
    bool watching = true;

private:
    // A call of the rules: counted, refused after the end, and the record checked.
    void noted() const;
    const Control& read(ControlRef c) const {
        noted();
        return at(c);
    }
    Control& touch(ControlRef c) {
        noted();
        return const_cast<Control&>(at(c));
    }
    int shownLines() const;

    const BoardState& s_;
    std::array<std::vector<Control>, static_cast<std::size_t>(Ctl::tmov) + 1> controls_;
};

}  // namespace kivo::fuzz
