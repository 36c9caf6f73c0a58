#pragma once
// A board window that shows nothing: it keeps each control's place, colour and enabled state
// from the layout, so the rules read back what they wrote, and does nothing else. Message
// boxes are answered at once and ending the process only sets a flag.

#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "BoardView.h"
#include "Form1Layout.h"

namespace kivo::bench {

namespace form1 = layout::form1;

class NullView final : public BoardView {
public:
    NullView() {
        int next = 0;
        for (int k = 0; k < kKinds; ++k) {
            first_[static_cast<std::size_t>(k)] = next;
            next += form1::count(static_cast<Ctl>(k));
        }
        if (next != kCells) throw std::logic_error("the layout has more controls than the view");
        for (int k = 0; k < kKinds; ++k) {
            const auto kind = static_cast<Ctl>(k);
            const int first = kind == Ctl::f ? 1 : 0;
            for (int i = first; i < first + form1::count(kind); ++i) {
                const form1::Design d = form1::design({kind, i});
                Cell& c = cell({kind, i});
                c = {d.rect.left, d.rect.top, d.rect.width, d.rect.height, d.back, d.enabled};
            }
        }
    }

    float left(ControlRef c) const override { return cell(c).left; }
    float top(ControlRef c) const override { return cell(c).top; }
    float width(ControlRef c) const override { return cell(c).width; }
    float height(ControlRef c) const override { return cell(c).height; }
    void setLeft(ControlRef c, float twips) override { cell(c).left = twips; }
    void setTop(ControlRef c, float twips) override { cell(c).top = twips; }
    std::uint32_t backColor(ControlRef c) const override { return cell(c).back; }
    void setBackColor(ControlRef c, std::uint32_t bgr) override { cell(c).back = bgr; }
    std::uint32_t formBackColor() const override { return form1::kFormBack; }
    void setVisible(ControlRef, bool) override {}
    void setEnabled(ControlRef c, bool on) override { cell(c).enabled = on; }
    std::string caption(ControlRef) const override { return {}; }
    void setCaption(ControlRef, const std::string&) override {}
    void copyPicture(ControlRef, ControlRef) override {}
    void setFocus(ControlRef) override {}
    void msgBox(const std::string&, int, const std::string&) override {}
    void endProcess() override { ended = true; }

    bool enabled(Ctl kind) const { return cell({kind}).enabled; }
    bool ended = false;

private:
    static constexpr int kKinds = static_cast<int>(Ctl::tmov) + 1;
    static constexpr int kCells = 157;  // every element of every control the rules touch

    struct Cell {
        float left = 0, top = 0, width = 0, height = 0;
        std::uint32_t back = 0;
        bool enabled = true;
    };

    // Kinds one after another, elements in order; f1..f6 sit at 0..5 of theirs.
    std::size_t at(ControlRef c) const {
        const int i = c.kind == Ctl::f ? c.index - 1 : c.index;
        return static_cast<std::size_t>(first_[static_cast<std::size_t>(c.kind)] + i);
    }
    Cell& cell(ControlRef c) { return cells_[at(c)]; }
    const Cell& cell(ControlRef c) const { return cells_[at(c)]; }

    std::array<int, kKinds> first_{};
    std::array<Cell, kCells> cells_{};
};

}  // namespace kivo::bench
