#include "ScriptedDie.h"

#include <stdexcept>

namespace kivo::test {

namespace {
float drawOf(int v) {
    return (static_cast<float>(v) - 0.5f) / 6.0f;
}
}  // namespace

void ScriptedDie::push(int v) {
    draws_.push_back(drawOf(v));
}

void ScriptedDie::push(std::initializer_list<int> values) {
    for (int v : values) push(v);
}

void ScriptedDie::push(const std::vector<int>& values) {
    for (int v : values) push(v);
}

void ScriptedDie::reseed() {
    ++reseeds;
    if (maxReseeds > 0 && reseeds > maxReseeds)
        throw std::runtime_error("the die keeps drawing the same value");
    seeded_ = true;
    if (then && draws_.empty()) then->reseed();
}

float ScriptedDie::cycled() {
    do cycle_ = cycle_ % 6 + 1;
    while (cycle_ == last_);
    return drawOf(cycle_);
}

float ScriptedDie::next() {
    if (reseedEachDraw && !seeded_) throw std::logic_error("a draw without a reseed of its own");
    seeded_ = false;
    ++draws;
    float u = 0;
    if (!draws_.empty() && (longestRun == 0 || run_ < longestRun)) {
        u = draws_.front();
        draws_.pop_front();
    } else if (then && draws_.empty()) {
        return then->next();
    } else if (draws_.empty() && onceOut == OnceOut::kFail) {
        throw std::logic_error("the test rolled more values than it chose");
    } else {
        if (draws_.empty()) ++overruns;
        u = cycled();
    }
    const int v = dieValue(u);
    if (v < 1 || v > 6) throw std::logic_error("a draw outside 1..6");
    run_ = v == last_ ? run_ + 1 : 1;
    last_ = v;
    return u;
}

}  // namespace kivo::test
