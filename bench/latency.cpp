// What a player waits for after acting: from a click on "Shuffle" to the first die face on
// the screen, and from a tick of the walk to the token drawn in its new place.
//
// The game as it runs: the program's windows on the stage, full screen, on the platform the
// environment gives (run it under Xvfb for the X11 path, where a frame ends with the backing
// store sent to the X server). The click goes in through Qt's window-system input, as the X
// server's click would, at the button's centre. A frame is stamped when the stage's update
// request has been handled: the dirty widgets painted into the backing store and the store
// flushed. A throw's latency ends with the first frame that painted a die face; a tick's, with
// the first frame after the tick that painted the token.
// The die's first face comes with the first tick of its animation timer, 10 ms after the
// click: that much of the figure is the game's design, not drawing. Message boxes are answered at
// once; the die rolls 1 to 5 in turn.
#include <QApplication>
#include <QElapsedTimer>
#include <QPaintEvent>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "BenchWindow.h"
#include "Stage.h"
#include "Windows.h"

namespace kivo::bench {
namespace {

// Stamps the end of every frame of the stage, and whether it painted a watched widget.
class StampingApp final : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* e) override {
        const QEvent::Type type = e->type();
        if (type == QEvent::Paint && watched_ && receiver->isWidgetType()) {
            auto* w = static_cast<QWidget*>(receiver);
            if (watched_(w)) paintedWatched_ = true;
            ++paints_;
            const QRect r = static_cast<QPaintEvent*>(e)->rect();
            pixels_ += static_cast<qint64>(r.width()) * r.height();
        }
        if (type == QEvent::UpdateRequest && receiver == stage_) paints_ = pixels_ = 0;
        if (type == QEvent::Timer && inside(receiver, tickTimer_)) {
            // A tick that left the token where it was drew nothing: the next one counts.
            tickAt_ = clock_.nsecsElapsed();
            paintedWatched_ = false;
        }
        const bool done = QApplication::notify(receiver, e);
        if (type == QEvent::UpdateRequest && receiver == stage_ && paintedWatched_ &&
            frameAt_ < 0) {
            frameAt_ = clock_.nsecsElapsed();
            framePaints_ = paints_;
            framePixels_ = pixels_;
        }
        return done;
    }

    // Frames are stamped from now on if they paint a widget for which `watched` is true.
    void watch(QWidget* stage, std::function<bool(QWidget*)> watched) {
        stage_ = stage;
        watched_ = std::move(watched);
    }
    // The next tick of `timer` is stamped: a timer event to the QTimer it keeps as a member,
    // which lies inside it.
    void watchTick(const ui::Timer* timer) { tickTimer_ = timer; }
    void reset() {
        paintedWatched_ = false;
        frameAt_ = tickAt_ = -1;
    }

    QElapsedTimer clock_;
    qint64 frameAt_ = -1, tickAt_ = -1;
    // What the stamped frame drew: paint events, and the pixels of their rectangles.
    int framePaints_ = 0;
    qint64 framePixels_ = 0;

private:
    static bool inside(const QObject* obj, const ui::Timer* t) {
        const auto* p = reinterpret_cast<const char*>(obj);
        const auto* base = reinterpret_cast<const char*>(t);
        return t && p >= base && p < base + sizeof(ui::Timer);
    }

    QWidget* stage_ = nullptr;
    const ui::Timer* tickTimer_ = nullptr;
    std::function<bool(QWidget*)> watched_;
    bool paintedWatched_ = false;
    int paints_ = 0;
    qint64 pixels_ = 0;
};

// Sleeps in the event loop, as the game does, until done() or the time is up.
bool runUntil(const std::function<bool()>& done, int timeoutMs) {
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.start(timeoutMs);
    while (!done() && deadline.isActive())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return done();
}

bool within(QWidget* w, QWidget* ancestor) {
    return w == ancestor || ancestor->isAncestorOf(w);
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// The first of a process also draws the die or the token for the first time; it is given
// apart, and the figures are over the rest.
void report(const char* what, std::vector<double> ms) {
    std::printf("%s: first %.2f ms; then ", what, ms.front());
    ms.erase(ms.begin());
    std::sort(ms.begin(), ms.end());
    const auto at = [&](double q) {
        return ms[std::min(ms.size() - 1, static_cast<std::size_t>(q * ms.size()))];
    };
    std::printf(
        "%zu samples: median %.2f ms, p90 %.2f ms, p99 %.2f ms, worst %.2f ms "
        "(goal p99 < 16)\n",
        ms.size(), at(0.5), at(0.9), at(0.99), ms.back());
}

int run(StampingApp& app, int throws) {
    QuietShell shell;
    CyclingDie die;
    app::Windows windows(shell);
    windows.setDie(&die);
    windows.Form2().Show();
    windows.Form2().cmdgo_Click();  // the board for two, with the set-up's names
    ui::Form1Window& board = *windows.Form1().screen();
    QWidget& stage = shell.stage();
    if (!QTest::qWaitForWindowExposed(&stage)) {
        std::fprintf(stderr, "the stage was never shown\n");
        return 1;
    }
    QTest::qWait(300);
    const QSize screen = stage.size();
    std::printf("stage %dx%d, scale %.3f, platform %s\n", screen.width(), screen.height(),
                shell.stage().scale(), qPrintable(QGuiApplication::platformName()));

    std::vector<double> clickToFace, tickToToken, facePaints, tokenPaints, facePixels, tokenPixels;
    for (int k = 0; k < throws; ++k) {
        // "Shuffle", clicked where it lies on the stage.
        if (!runUntil([&] { return board.cmdshuffle->isEnabled(); }, 5000)) {
            std::fprintf(stderr, "throw %d: \"Shuffle\" never came back\n", k + 1);
            return 1;
        }
        QTest::qWait(20);  // whatever the last tick left to draw is drawn
        // The game never ends: a token past square 60 walks on from square 1 (from there a
        // throw reaches square 99 at most, up the ladder from 61).
        BoardState& state = windows.Form1().state();
        if (state.pos[state.turn] > 61) state.pos[state.turn] = 2;
        // The die: its faces, and the number beside them, which changes at the first tick
        // even when the first face spun is the one already shown.
        app.watch(&stage, [&](QWidget* w) { return within(w, board.lscr) || within(w, board.f); });
        app.reset();
        const QPoint at = board.cmdshuffle->mapTo(&stage, board.cmdshuffle->rect().center());
        const qint64 clicked = app.clock_.nsecsElapsed();
        QTest::mouseClick(stage.windowHandle(), Qt::LeftButton, {}, at);
        if (!runUntil([&] { return app.frameAt_ >= 0; }, 2000)) {
            std::fprintf(stderr, "throw %d: no die face drawn\n", k + 1);
            return 1;
        }
        clickToFace.push_back(static_cast<double>(app.frameAt_ - clicked) / 1e6);
        facePaints.push_back(app.framePaints_);
        facePixels.push_back(static_cast<double>(app.framePixels_));

        // "Move" once the die has settled, then every tick of the walk to the token drawn.
        if (!runUntil([&] { return board.cmdmove->isEnabled(); }, 2000)) {
            std::fprintf(stderr, "throw %d: \"Move\" never came\n", k + 1);
            return 1;
        }
        QWidget* token = board.plr[static_cast<std::size_t>(state.turn)];
        app.watch(&stage, [token](QWidget* w) { return within(w, token); });
        board.cmdmove->click();
        app.watchTick(board.tmov);
        while (board.tmov->enabled()) {
            app.reset();
            if (!runUntil([&] { return app.frameAt_ >= 0 || !board.tmov->enabled(); }, 2000)) {
                std::fprintf(stderr, "throw %d: the walk stalled\n", k + 1);
                return 1;
            }
            if (app.frameAt_ >= 0 && app.tickAt_ >= 0) {
                tickToToken.push_back(static_cast<double>(app.frameAt_ - app.tickAt_) / 1e6);
                tokenPaints.push_back(app.framePaints_);
                tokenPixels.push_back(static_cast<double>(app.framePixels_));
            }
        }
        app.watchTick(nullptr);
        app.watch(&stage, {});
    }
    report("click on \"Shuffle\" to the first die face on the screen", clickToFace);
    std::printf("  its frame: median %.0f paint events, %.0f pixels painted\n", median(facePaints),
                median(facePixels));
    report("walk tick to the token drawn in its new place", tickToToken);
    std::printf("  its frame: median %.0f paint events, %.0f pixels painted\n", median(tokenPaints),
                median(tokenPixels));
    return 0;
}

}  // namespace
}  // namespace kivo::bench

int main(int argc, char** argv) {
    kivo::bench::StampingApp app(argc, argv);
    kivo::bench::prepareApplication();
    app.clock_.start();
    return kivo::bench::run(app, argc > 1 ? std::atoi(argv[1]) : 100);
}
