#include "FakeView.h"

#include <stdexcept>
#include <utility>

namespace kivo::test {

namespace {
using Controls = std::array<std::vector<ControlState>, static_cast<std::size_t>(Ctl::tmov) + 1>;

// The layout is read once; every new window copies it.
const Controls& designed() {
    static const Controls controls = [] {
        Controls out;
        for (std::size_t k = 0; k < out.size(); ++k) {
            const auto kind = static_cast<Ctl>(k);
            const int first = kind == Ctl::f ? 1 : 0;
            for (int i = first; i < first + form1::count(kind); ++i) {
                const form1::Design d = form1::design({kind, i});
                ControlState s{d.rect.left,   d.rect.top, d.rect.width,
                               d.rect.height, d.back,     d.visible,
                               d.enabled,     d.caption,  ""};
                if (kind == Ctl::plr || kind == Ctl::pictrn)
                    s.picture = "figure" + std::to_string(i);
                if (kind == Ctl::Pwnr && i == 0) s.picture = "binoculars";
                out[k].push_back(s);
            }
        }
        return out;
    }();
    return controls;
}
}  // namespace

FakeView::FakeView() : controls_(designed()) {}

const ControlState& FakeView::at(ControlRef c) const {
    if (static_cast<std::size_t>(c.kind) >= controls_.size())
        throw std::out_of_range("a control kind the board does not have");
    const auto& elements = controls_[static_cast<std::size_t>(c.kind)];
    const auto i = static_cast<std::size_t>(c.kind == Ctl::f ? c.index - 1 : c.index);
    if (i >= elements.size()) throw std::out_of_range("no such control: " + controlName(c));
    return elements[i];
}

ControlState& FakeView::at(ControlRef c) {
    return const_cast<ControlState&>(std::as_const(*this).at(c));
}

void FakeView::setLeft(ControlRef c, float twips) {
    at(c).left = twips;
    if (logging) log.push_back(fx::left(controlName(c), twips));
}

void FakeView::setTop(ControlRef c, float twips) {
    at(c).top = twips;
    if (logging) log.push_back(fx::top(controlName(c), twips));
}

void FakeView::setBackColor(ControlRef c, std::uint32_t bgr) {
    at(c).back = bgr;
    if (logging) log.push_back(fx::back(controlName(c), bgr));
}

void FakeView::setVisible(ControlRef c, bool on) {
    at(c).visible = on;
    if (logging) log.push_back(fx::vis(controlName(c), on));
}

void FakeView::setEnabled(ControlRef c, bool on) {
    at(c).enabled = on;
    if (logging) log.push_back(fx::en(controlName(c), on));
}

void FakeView::setCaption(ControlRef c, const std::string& text) {
    at(c).caption = text;
    if (logging) log.push_back(fx::caption(controlName(c), text));
}

void FakeView::copyPicture(ControlRef to, ControlRef from) {
    at(to).picture = at(from).picture;
    if (logging) log.push_back(fx::picture(controlName(to), at(to).picture));
}

void FakeView::setFocus(ControlRef c) {
    focus = controlName(c);
    if (logging) log.push_back(fx::focus(focus));
}

void FakeView::msgBox(const std::string& prompt, int style, const std::string& title) {
    Message m{prompt, style, title};
    if (logging) log.push_back(fx::msg(title, prompt, style));
    if (onMessage) onMessage(m);
    messages.push_back(m);
}

void FakeView::endProcess() {
    ++ends;
    if (logging) log.push_back("end");
}

void FakeView::hear(const char* what, std::initializer_list<int> args) {
    if (!logging || !hearNews) return;
    std::string line = std::string("news ") + what;
    for (int a : args) line += " " + std::to_string(a);
    log.push_back(line);
}

std::vector<std::string> FakeView::takeLog() {
    std::vector<std::string> out;
    out.swap(log);
    return out;
}

}  // namespace kivo::test
