#include "CheckingView.h"

#include <algorithm>
#include <cstdio>
#include <initializer_list>

#include "BoardRules.h"
#include "Form1Layout.h"

namespace kivo::fuzz {

namespace form1 = layout::form1;

void fail(const char* what) {
    std::fprintf(stderr, "rules_fuzz: %s\n", what);
    __builtin_trap();
}

namespace {

using Controls = std::array<std::vector<Control>, static_cast<std::size_t>(Ctl::tmov) + 1>;

// The layout is read once; every load of the window copies it.
const Controls& layout() {
    static const Controls controls = [] {
        Controls out;
        for (std::size_t k = 0; k < out.size(); ++k) {
            const auto kind = static_cast<Ctl>(k);
            const int first = kind == Ctl::f ? 1 : 0;
            for (int i = first; i < first + form1::count(kind); ++i) {
                const form1::Design d = form1::design({kind, i});
                Control c{d.rect.left,   d.rect.top, d.rect.width,
                          d.rect.height, d.back,     d.visible,
                          d.enabled,     d.caption,  ""};
                if (kind == Ctl::plr || kind == Ctl::pictrn)
                    c.picture = "figure" + std::to_string(i);
                if (kind == Ctl::Pwnr && i == 0) c.picture = "binoculars";
                out[k].push_back(c);
            }
        }
        return out;
    }();
    return controls;
}

struct BoxText {
    const char* prompt;
    int style;
    const char* title;
};

constexpr std::array<BoxText, kBoxes> kBoxText{{
    {"You won one more chance...", kExclamation, "LUCKY HAND"},
    {"Oh no! it's a snake", kStop, "GO DOWN..."},
    {"wow! it's luck ", kInformation, "MOVE UP"},
    {"It's collission!!move out", kExclamation, "COLLISSION......."},
    {"You are the first winner.", kInformation, "CONGRATS..."},
    {"You are the second winner.", kInformation, "CONGRATS..."},
    {"You are the third winner.", kInformation, "CONGRATS..."},
    {"Game is over...", kInformation, "FINISH"},
}};

bool isOneOf(Ctl kind, std::initializer_list<Ctl> kinds) {
    return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
}

}  // namespace

CheckingView::CheckingView(const BoardState& s) : s_(s), controls_(layout()) {}

const Control& CheckingView::at(ControlRef c) const {
    const auto k = static_cast<std::size_t>(c.kind);
    if (k >= controls_.size()) fail("a control kind the board does not have");
    const auto& elements = controls_[k];
    const int i = c.kind == Ctl::f ? c.index - 1 : c.index;
    if (i < 0 || i >= static_cast<int>(elements.size())) {
        std::fprintf(stderr, "rules_fuzz: no such control: %s\n", controlName(c).c_str());
        __builtin_trap();
    }
    return elements[static_cast<std::size_t>(i)];
}

void CheckingView::noted() const {
    ++calls;
    check(ends == 0, "the board was used after the process ended");
    if (!watching) return;
    check(s_.lastplr >= 0 && s_.lastplr <= 3, "lastplr left 0..3");
    check(s_.turn >= -1 && s_.turn <= 3, "turn left -1..3 inside a handler");
    for (int j = 0; j <= s_.lastplr; ++j) {
        check(
            s_.pos[static_cast<std::size_t>(j)] >= 1 && s_.pos[static_cast<std::size_t>(j)] <= 101,
            "a position code left 1..101");
    }
}

std::uint32_t CheckingView::formBackColor() const {
    noted();
    return form1::kFormBack;
}

void CheckingView::setEnabled(ControlRef c, bool on) {
    check(isOneOf(c.kind, {Ctl::cmdmove, Ctl::cmdshuffle, Ctl::tdie, Ctl::tmov}),
          "enabled set on a control the rules never switch");
    touch(c).enabled = on;
    check(!(at({Ctl::tdie}).enabled && at({Ctl::tmov}).enabled), "tdie and tmov run together");
}

void CheckingView::setCaption(ControlRef c, const std::string& text) {
    check(isOneOf(c.kind, {Ctl::lscr, Ctl::Lp, Ctl::lwnr}), "a caption written on a fixed control");
    check(c.kind != Ctl::lwnr || c.index == s_.nwin - 1,
          "a winner's name written out of rank order");
    touch(c).caption = text;
}

void CheckingView::copyPicture(ControlRef to, ControlRef from) {
    check(to.kind != Ctl::Pwnr || to.index == s_.nwin - 1, "a winner's icon set out of rank order");
    touch(to).picture = read(from).picture;
}

void CheckingView::setFocus(ControlRef c) {
    check(isOneOf(c.kind, {Ctl::cmdmove, Ctl::cmdshuffle}),
          "the focus given to a control other than a button");
    check(read(c).enabled, "the focus given to a disabled button");
    focus = c;
}

int CheckingView::shownLines() const {
    int n = 0;
    for (Ctl kind : {Ctl::snk, Ctl::ldr}) {
        for (const Control& line : controls_[static_cast<std::size_t>(kind)])
            n += line.visible ? 1 : 0;
    }
    return n;
}

void CheckingView::msgBox(const std::string& prompt, int style, const std::string& title) {
    noted();
    int box = 0;
    while (box < kBoxes && prompt != kBoxText[static_cast<std::size_t>(box)].prompt) ++box;
    check(box < kBoxes, "a message box with an unknown text");
    check(style == kBoxText[static_cast<std::size_t>(box)].style,
          "a message box with the wrong icon");
    check(title == kBoxText[static_cast<std::size_t>(box)].title,
          "a message box with the wrong title");
    ++shown[static_cast<std::size_t>(box)];
    ++messages;

    // The board as the players see it while the box is open.
    const auto t = static_cast<std::size_t>(s_.turn);
    const bool jump = box == kSnake || box == kLadder;
    check(shownLines() == (jump ? 1 : 0), "a snake or ladder line shown without its message");
    switch (box) {
        case kLucky:
            check(s_.prevroll == 6 && at({Ctl::f, 6}).visible, "LUCKY HAND without a six");
            check(at({Ctl::lscr}).caption == numberCaption(s_.scr),
                  "LUCKY HAND before the total is shown");
            break;
        case kSnake:
        case kLadder: {
            bool found = false;
            for (std::size_t i = 0; i < 11; ++i) {
                const bool here =
                    box == kSnake ? s_.snkhd[i] == s_.pos[t] - 1 : s_.ldrft[i] + 1 == s_.pos[t];
                found = found ||
                        (here &&
                         at({box == kSnake ? Ctl::snk : Ctl::ldr, static_cast<int>(i)}).visible);
            }
            check(found, "a snake or ladder message away from its square");
            break;
        }
        case kCollision: {
            bool found = false;
            for (std::size_t j = 0; j <= static_cast<std::size_t>(s_.lastplr); ++j) {
                found = found || (j != t && s_.pos[j] == s_.pos[t] && s_.pos[j] > 1);
            }
            check(found, "a collision with no token to send back");
            break;
        }
        case kOver:
            check(s_.nwin >= s_.plrmax, "the game over before all but one have finished");
            break;
        default:
            check(s_.nwin == box - kFirst + 1, "a rank message that is not the finisher's rank");
            break;
    }
}

void CheckingView::endProcess() {
    noted();
    check(shown[kOver] == 1, "the process ended without the game-over message");
    ++ends;
}

}  // namespace kivo::fuzz
