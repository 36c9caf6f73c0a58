// The rhythm the players see, measured inside the process on the real timers: the board
// window offscreen, "Shuffle" and "Move" pressed as buttons, and every tick of tdie and tmov
// stamped as the event loop hands it over.
//
// ui::Timer keeps its QTimer as a member, so a timer event whose receiver lies inside a
// ui::Timer object is that timer's tick. The closing tick of the die is stamped once more by
// the die itself, which the roll reseeds.
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "BenchWindow.h"

namespace kivo::bench {
namespace {

QElapsedTimer& clock() {
    static QElapsedTimer c;
    return c;
}
double nowMs() {
    return static_cast<double>(clock().nsecsElapsed()) / 1e6;
}

class TickStamps final : public QObject {
public:
    TickStamps(const ui::Timer& tdie, const ui::Timer& tmov) : tdie_(tdie), tmov_(tmov) {}

    bool eventFilter(QObject* obj, QEvent* e) override {
        if (e->type() != QEvent::Timer) return false;
        if (inside(obj, tdie_)) die.push_back(nowMs());
        if (inside(obj, tmov_)) walk.push_back(nowMs());
        return false;
    }

    std::vector<double> die, walk;

private:
    static bool inside(const QObject* obj, const ui::Timer& t) {
        const auto* p = reinterpret_cast<const char*>(obj);
        const auto* base = reinterpret_cast<const char*>(&t);
        return p >= base && p < base + sizeof(ui::Timer);
    }
    const ui::Timer& tdie_;
    const ui::Timer& tmov_;
};

// Rolls 1 to 5 in turn and notes when the roll was made.
class StampingDie final : public DieSource {
public:
    void reseed() override { rolls.push_back(nowMs()); }
    float next() override { return die_.next(); }
    std::vector<double> rolls;

private:
    CyclingDie die_;
};

// Sleeps in the event loop, as the game does, until done() or the time is up.
void runUntil(const std::function<bool()>& done, int timeoutMs) {
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.start(timeoutMs);
    while (!done() && deadline.isActive())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void idle(int ms) {
    runUntil([] { return false; }, ms);
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

double worstBy(const std::vector<double>& v, double target) {
    double worst = 0;
    for (double x : v) worst = std::max(worst, std::abs(x - target));
    return worst;
}

int run(int throws, int squares) {
    StampingDie die;
    Board board(die);
    ui::Form1Window* w = board.load();
    BoardState& state = board.state();
    idle(300);  // the board is up and painted

    TickStamps stamps(*w->tdie, *w->tmov);
    qApp->installEventFilter(&stamps);

    // The die: "Shuffle" to the roll, ten animation ticks and the closing one.
    std::vector<double> throwsMs, dieTickMs;
    for (int k = 0; k < throws; ++k) {
        w->cmdshuffle->setEnabled(true);  // as after a walk
        stamps.die.clear();
        const std::size_t rolled = die.rolls.size();
        const double pressed = nowMs();
        w->cmdshuffle->click();
        runUntil([&] { return die.rolls.size() > rolled && !w->tdie->enabled(); }, 2000);
        if (die.rolls.size() == rolled) {
            std::fprintf(stderr, "throw %d: no roll within 2 s\n", k + 1);
            return 1;
        }
        throwsMs.push_back(die.rolls.back() - pressed);
        double last = pressed;
        for (double t : stamps.die) {
            dieTickMs.push_back(t - last);
            last = t;
        }
        if (stamps.die.size() != 11) {
            std::fprintf(stderr, "throw %d: %zu ticks of tdie, not 11\n", k + 1, stamps.die.size());
            return 1;
        }
        idle(50);
    }

    // The walk: the token from square 1 over `squares` squares, then the landing tick.
    state.turn = 0;
    state.pos[0] = 2;
    state.scr = static_cast<Small>(squares);
    w->cmdmove->setEnabled(true);
    stamps.walk.clear();
    const double moved = nowMs();
    w->cmdmove->click();
    runUntil([&] { return !w->tmov->enabled(); }, (squares + 3) * 300 + 2000);
    if (stamps.walk.size() != static_cast<std::size_t>(squares + 1) ||
        state.pos[0] != squares + 2) {
        std::fprintf(stderr, "walk: %zu ticks of tmov, token on square %d\n", stamps.walk.size(),
                     state.pos[0] - 1);
        return 1;
    }
    std::vector<double> walkMs;
    double last = moved, worstDrift = 0;
    for (std::size_t k = 0; k < stamps.walk.size(); ++k) {
        walkMs.push_back(stamps.walk[k] - last);
        last = stamps.walk[k];
        worstDrift = std::max(
            worstDrift, std::abs(stamps.walk[k] - moved - 300.0 * static_cast<double>(k + 1)));
    }
    std::vector<double> walkErr;
    for (double x : walkMs) walkErr.push_back(std::abs(x - 300));

    std::printf(
        "die: %d throws, Shuffle to roll: median %.2f ms, min %.2f ms, max %.2f ms (goal "
        "100-130)\n",
        throws, median(throwsMs), *std::min_element(throwsMs.begin(), throwsMs.end()),
        *std::max_element(throwsMs.begin(), throwsMs.end()));
    std::printf("die: %zu tick intervals: median %.3f ms, worst off 10 ms by %.3f ms\n",
                dieTickMs.size(), median(dieTickMs), worstBy(dieTickMs, 10));
    std::printf(
        "walk: %d squares, %zu tick intervals (Move to first tick included): median %.3f ms,"
        " median error %.3f ms, worst %.3f ms (off by %.3f ms)\n",
        squares, walkMs.size(), median(walkMs), median(walkErr),
        *std::max_element(walkMs.begin(), walkMs.end()), worstBy(walkMs, 300));
    std::printf(
        "walk: Move to landing %.2f ms (ideal %d), worst drift from the 300 ms grid %.3f ms\n",
        stamps.walk.back() - moved, 300 * (squares + 1), worstDrift);

    qApp->removeEventFilter(&stamps);
    board.unload();
    return 0;
}

}  // namespace
}  // namespace kivo::bench

int main(int argc, char** argv) {
    kivo::bench::useOffscreenPlatform();
    QApplication app(argc, argv);
    kivo::bench::prepareApplication();
    kivo::bench::clock().start();
    const int throws = argc > 1 ? std::atoi(argv[1]) : 20;
    const int squares = argc > 2 ? std::atoi(argv[2]) : 30;
    return kivo::bench::run(throws, squares);
}
