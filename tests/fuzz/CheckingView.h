#pragma once
// The fake board window with a trap on anything the rules must never do to it, for the fuzzer:
// every call counted and the game's record checked at each, no log.

#include <array>
#include <cstdint>
#include <string>

#include "BoardState.h"
#include "FakeView.h"

namespace kivo::fuzz {

// Reports a broken rule on stderr and stops the run, so the fuzzer keeps the input.
[[noreturn]] void fail(const char* what);
inline void check(bool good, const char* what) {
    if (!good) fail(what);
}

// The message boxes the board may show, in this order.
enum Box : int { kLucky, kSnake, kLadder, kCollision, kFirst, kSecond, kThird, kOver, kBoxes };

class CheckingView final : public test::FakeView {
public:
    // A freshly loaded board window, watching the game's record while the rules run.
    explicit CheckingView(const BoardState& s) : s_(s) { logging = false; }

    float left(ControlRef c) const override { return read(c).left; }
    float top(ControlRef c) const override { return read(c).top; }
    float width(ControlRef c) const override { return read(c).width; }
    float height(ControlRef c) const override { return read(c).height; }
    void setLeft(ControlRef c, float twips) override { noted(), FakeView::setLeft(c, twips); }
    void setTop(ControlRef c, float twips) override { noted(), FakeView::setTop(c, twips); }
    std::uint32_t backColor(ControlRef c) const override { return read(c).back; }
    void setBackColor(ControlRef c, std::uint32_t bgr) override {
        noted(), FakeView::setBackColor(c, bgr);
    }
    std::uint32_t formBackColor() const override { return noted(), FakeView::formBackColor(); }
    void setVisible(ControlRef c, bool on) override { noted(), FakeView::setVisible(c, on); }
    void setEnabled(ControlRef c, bool on) override;
    std::string caption(ControlRef c) const override { return read(c).caption; }
    void setCaption(ControlRef c, const std::string& text) override;
    void copyPicture(ControlRef to, ControlRef from) override;
    void setFocus(ControlRef c) override;
    void msgBox(const std::string& prompt, int style, const std::string& title) override;
    void endProcess() override;

    bool on(Ctl kind) const { return at({kind}).enabled; }
    int boxes() const { return static_cast<int>(messages.size()); }

    mutable long calls = 0;  // every call the rules made, reads included
    std::array<int, kBoxes> shown{};
    // Off while the set-up runs: the record is half filled until it ends.
    bool watching = true;

private:
    // A call of the rules: counted, refused after the end, and the record checked.
    void noted() const;
    const test::ControlState& read(ControlRef c) const {
        noted();
        return at(c);
    }
    int shownLines() const;

    const BoardState& s_;
};

}  // namespace kivo::fuzz
