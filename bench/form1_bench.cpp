// The board window offscreen: building it with every control and running its load handler,
// one step of the walk and one tick of the die animation, each with the repaint it causes.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>

#include "BenchWindow.h"

namespace kivo::bench {
namespace {

// Counts the paint events the window system hands to the widgets.
class PaintCounter final : public QObject {
public:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++paints;
        return false;
    }
    long paints = 0;
};

PaintCounter& paintCounter() {
    static PaintCounter counter;
    return counter;
}

// What the tick caused: the widgets it changed are repainted, nothing else.
void flush() {
    QCoreApplication::processEvents();
}

// A shown board for two, the way the game opens it, painted once.
struct ShownBoard {
    ShownBoard() : board(die), w(board.load()), state(board.state()) { flush(); }
    CyclingDie die;
    Board board;
    ui::Form1Window* w;
    BoardState& state;
};

void perTick(benchmark::State& st, long paints) {
    st.counters["paints/tick"] = static_cast<double>(paints) / static_cast<double>(st.iterations());
}

void BM_BuildAndLoad(benchmark::State& st) {
    CyclingDie die;
    Board board(die);
    for (auto _ : st) {
        benchmark::DoNotOptimize(board.load());
        st.PauseTiming();
        board.unload();
        st.ResumeTiming();
    }
}

// The same, then painted whole for the first time.
void BM_BuildLoadShowPaint(benchmark::State& st) {
    CyclingDie die;
    Board board(die);
    const long before = paintCounter().paints;
    for (auto _ : st) {
        board.load();
        flush();
        st.PauseTiming();
        board.unload();
        flush();
        st.ResumeTiming();
    }
    st.counters["paints/build"] =
        static_cast<double>(paintCounter().paints - before) / static_cast<double>(st.iterations());
}

// A walk that never ends: the token steps over squares 1 to 99 again and again.
void stepTick(ShownBoard& b) {
    BoardState& s = b.state;
    if (s.pos[0] > 99) s.pos[0] = 2;
    s.stp = 1;
    b.board.rules().tmov_Timer();
}

void BM_WalkStepTick(benchmark::State& st) {
    ShownBoard b;
    b.state.scr = 1000;
    stepTick(b);  // the marker hides on the first step only
    flush();
    const long before = paintCounter().paints;
    for (auto _ : st) {
        stepTick(b);
        flush();
    }
    perTick(st, paintCounter().paints - before);
}

// The same step with the whole window painted again, as an upper bound.
void BM_WalkStepTick_FullRepaint(benchmark::State& st) {
    ShownBoard b;
    b.state.scr = 1000;
    stepTick(b);
    flush();
    const long before = paintCounter().paints;
    for (auto _ : st) {
        stepTick(b);
        b.w->repaint();
    }
    perTick(st, paintCounter().paints - before);
}

// Animation ticks only: dcount runs 1 to 10 and starts again.
void BM_DieAnimationTick(benchmark::State& st) {
    ShownBoard b;
    b.state.dcount = 1;
    const long before = paintCounter().paints;
    for (auto _ : st) {
        if (b.state.dcount > 10) b.state.dcount = 1;
        b.board.rules().tdie_Timer();
        flush();
    }
    perTick(st, paintCounter().paints - before);
}

BENCHMARK(BM_BuildAndLoad)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildLoadShowPaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WalkStepTick)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WalkStepTick_FullRepaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DieAnimationTick)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kivo::bench

int main(int argc, char** argv) {
    kivo::bench::useOffscreenPlatform();
    QApplication app(argc, argv);
    kivo::bench::prepareApplication();
    app.installEventFilter(&kivo::bench::paintCounter());

    // The first board of a process also loads the fonts, the pictures and the style.
    {
        QElapsedTimer t;
        t.start();
        kivo::bench::CyclingDie die;
        kivo::bench::Board board(die);
        board.load();
        const double built = static_cast<double>(t.nsecsElapsed()) / 1e6;
        QCoreApplication::processEvents();
        const double painted = static_cast<double>(t.nsecsElapsed()) / 1e6;
        board.unload();
        benchmark::AddCustomContext("first_build_and_load_ms", std::to_string(built));
        benchmark::AddCustomContext("first_build_to_painted_ms", std::to_string(painted));
    }

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
