// A room of excited children at one screen: thousands of random clicks, keys, double-clicks,
// window closes and message boxes dismissed at random moments, with the real timers running.
// After every event the program must be in a state its flow and its rules allow. It may end
// only through "Exit", "Game is over..." or the window manager's close; then a new one starts.
// Most of their clicks go to the buttons in front of them, so games get played; a run of
// 20000 events or more fails if the tokens hardly walked or few message boxes were answered.
// Reproducible by its seed: monkey_test [seed] [events].
// monkey_test close-under-box replays, on purpose, the one sequence that once freed the game
// under a running handler: a six, the stage closed while "LUCKY HAND" is open, and the
// monkey's next event arriving before the box's own loop has returned to the throw.

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <random>

#include "Form1Window.h"
#include "Look.h"
#include "ScriptedDie.h"
#include "Shell.h"
#include "Stage.h"
#include "TestShell.h"
#include "Windows.h"

namespace {

using kivo::app::Windows;

// A run this long must have played: so many walks and answered boxes at least.
constexpr int kFullRun = 20000;
constexpr int kMinWalks = 100;
constexpr int kMinAnswers = 30;

class Monkey {
public:
    Monkey(unsigned seed, int events, kivo::DieSource* die = nullptr)
        : rng_(seed),
          seededDie_(seed),
          die_(die ? die : &seededDie_),
          seed_(seed),
          target_(events) {
        // The real message boxes, and the end of the process told to the monkey instead.
        shell_.boxes = kivo::test::TestShell::Boxes::kShown;
        shell_.onEnd = [this] { processEnded(); };
    }

    int run() {
        fresh();
        QTimer driver;
        driver.setTimerType(Qt::PreciseTimer);
        driver.setInterval(2);
        // Each event is posted rather than sent from the tick, so that a message box opened by
        // one event does not hold up the driver: the next events arrive while it is open.
        QObject::connect(&driver, &QTimer::timeout, [this] {
            if (!pending_) {
                pending_ = true;
                QMetaObject::invokeMethod(
                    qApp,
                    [this] {
                        pending_ = false;
                        step();
                    },
                    Qt::QueuedConnection);
            }
        });
        driver.start();
        QApplication::exec();
        std::printf(
            "monkey: seed %u, %d events, %d processes, %d games completed, %d exits, "
            "%d window-manager closes, %d message boxes, %d answered, %d walks\n",
            seed_, done_, processes_, gamesOver_, exits_, closes_, boxes_, answered_, walks_);
        if (target_ >= kFullRun && walks_ < kMinWalks) fail("the tokens hardly walked");
        if (target_ >= kFullRun && answered_ < kMinAnswers) fail("few message boxes were answered");
        if (failures_ == 0) std::printf("1 passed, 0 failed\n");
        return failures_ == 0 ? 0 : 1;
    }

    // The sequence that once freed the board under the throw that raised "LUCKY HAND": the box
    // answered and the stage closed in one event, then the next event, run from inside the
    // box's loop before it has returned to the throw. The die must throw a six first.
    int replayCloseUnderBox() {
        fresh();
        windows_->flogo().leave();
        windows_->Form2().Command1_Click();
        windows_->Form2().cmdgo_Click();
        bool replayed = false;
        QTimer watch;  // ticks inside the box's loop too
        QObject::connect(&watch, &QTimer::timeout, [&] {
            if (replayed) {  // the events after it, as the driver would bring them
                if (processes_ == 1) step();
                return;
            }
            QWidget* box = shell_.stage().openBox();
            if (!box) return;
            replayed = true;
            answer(box);
            closeByWindowManager(windows_->Form1().window()->window());
            step();
        });
        watch.start(1);
        windows_->Form1().screen()->cmdshuffle->click();
        const bool over = QTest::qWaitFor([&] { return processes_ == 2 && !ended_; }, 20000);
        watch.stop();
        windows_.reset();
        if (!replayed) fail("no \"LUCKY HAND\" box opened");
        if (!over) fail("no new process started after the stage was closed");
        std::printf("monkey: close under a box replayed, %d processes, %d closes\n", processes_,
                    closes_);
        return failures_ == 0 ? 0 : 1;
    }

private:
    enum class Last { None, Close, Other };

    void fresh() {
        windows_.reset();
        windows_ = std::make_unique<Windows>(shell_);
        windows_->setDie(die_);
        windows_->start();
        ended_ = false;
        walking_ = false;
        ++processes_;
    }

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    bool chance(int percent) { return pick(100) < percent; }

    void step() {
        QWidget* box = shell_.stage().openBox();
        if (box) noteBox(box);
        const bool stopping = done_ >= target_ || failures_ > 0;
        if (box && (stopping || ended_)) {  // the handler behind the box goes on first
            answer(box);
            return;
        }
        // A box answered just now may not have returned to the handler that raised it yet
        // (this event can run inside the box's own loop): the program is torn down only once
        // no such handler is left on the stack.
        if ((stopping || ended_) && shell_.messageBoxOpen()) return;
        if (stopping) {
            ended_ = true;
            windows_.reset();
            QApplication::exit(0);  // quit() would first close the stage, which ends the program
            return;
        }
        if (ended_) {  // the process has ended: the next one starts from the top
            fresh();
            return;
        }
        // A box is answered after a while, as a player reads it; meanwhile the children keep
        // clicking on the board behind it, which must not react.
        if (box && chance(20)) answer(box);
        act();
        ++done_;
        hurry();
        noteWalk();
        check();
        if (done_ % 1000 == 0) std::printf("monkey: %d events\n", done_), std::fflush(stdout);
    }

    void noteBox(QWidget* box) {
        if (box == lastBox_) return;
        lastBox_ = box;
        ++boxes_;
        // Only the children's clicks and keys close a box; a late key may close it again.
        if (auto* mb = qobject_cast<QMessageBox*>(box)) {
            QObject::connect(
                mb, &QDialog::finished, mb, [this] { ++answered_; }, Qt::SingleShotConnection);
        }
    }

    // The box is a card on the stage: OK clicked where it shows, or Return.
    void answer(QWidget* box) {
        auto* mb = qobject_cast<QMessageBox*>(box);
        if (!mb || !mb->button(QMessageBox::Ok)) return;
        QAbstractButton* ok = mb->button(QMessageBox::Ok);
        QWidget* stage = box->window();
        if (chance(50)) {
            QTest::mouseClick(stage->windowHandle(), Qt::LeftButton, {},
                              ok->mapTo(stage, ok->rect().center()));
        } else {
            QTest::keyClick(stage->windowHandle(), Qt::Key_Return);
        }
    }

    QList<QWidget*> visibleWindows() const {
        QList<QWidget*> out;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->isVisible() && w->windowHandle() && w->isEnabled()) {
                out.push_back(w);
            }
        }
        return out;
    }

    // Where the children look: the active window.
    QWidget* front(const QList<QWidget*>& shown) {
        QWidget* w = QApplication::activeWindow();
        return shown.contains(w) ? w : shown[pick(static_cast<int>(shown.size()))];
    }

    void act() {
        last_ = Last::Other;
        const QList<QWidget*> shown = visibleWindows();
        if (shown.isEmpty()) return;
        QWidget* w = chance(75) ? front(shown) : shown[pick(static_cast<int>(shown.size()))];
        QWindow* win = w->windowHandle();
        const int roll = pick(1000);
        if (roll < 700) {
            clickSomeButton(w);
        } else if (roll < 820) {
            QTest::mouseClick(win, Qt::LeftButton, {}, QPoint(pick(w->width()), pick(w->height())));
        } else if (roll < 860) {
            const QPoint p(pick(w->width()), pick(w->height()));
            QTest::mouseDClick(win, Qt::LeftButton, {}, p);
        } else if (roll < 999 || chance(75)) {
            mashKeys();
        } else {
            closeByWindowManager(w);
        }
    }

    // A button that can be pressed now. "Cancel" and "Exit" only now and then, or no game
    // would ever be finished.
    void clickSomeButton(QWidget* w) {
        QList<QAbstractButton*> buttons;
        for (QAbstractButton* b : w->findChildren<QAbstractButton*>()) {
            if (!b->isVisible() || !b->isEnabled()) continue;
            const QString text = b->text();
            const bool leaves = text == QLatin1String("Cancel") || text == QLatin1String("Exit");
            if (!leaves || pick(500) == 0) buttons.push_back(b);
        }
        if (buttons.isEmpty()) return;
        QAbstractButton* b = buttons[pick(static_cast<int>(buttons.size()))];
        QTest::mouseClick(w->windowHandle(), Qt::LeftButton, {}, b->mapTo(w, b->rect().center()));
    }

    // Keys go to the active window; a key may close it, so each key looks again.
    void mashKeys() {
        static const Qt::Key keys[] = {Qt::Key_Space, Qt::Key_Return, Qt::Key_Escape,   Qt::Key_Tab,
                                       Qt::Key_A,     Qt::Key_Z,      Qt::Key_Home,     Qt::Key_End,
                                       Qt::Key_Left,  Qt::Key_Down,   Qt::Key_Backspace};
        const int n = chance(20) ? 2 + pick(6) : 1;
        for (int i = 0; i < n && !ended_; ++i) {
            QWidget* active = QApplication::activeWindow();
            if (!active || !active->windowHandle()) return;
            QTest::keyClick(active->windowHandle(), keys[pick(static_cast<int>(std::size(keys)))]);
        }
    }

    // The window manager's close of the stage, the one top-level window, a box open or not.
    void closeByWindowManager(QWidget* w) {
        last_ = Last::Close;
        w->close();
    }

    // At a child's pace a walk takes seconds: the board's timers tick as fast as they can.
    void hurry() {
        if (ended_ || !windows_->Form1().loaded()) return;
        kivo::ui::Form1Window* board = windows_->Form1().screen();
        // Only once per board: a new interval restarts a running timer.
        if (board->tdie->interval() != 1) board->tdie->setInterval(1);
        if (board->tmov->interval() != 5) board->tmov->setInterval(5);
    }

    // A walk starts when "Move" sets the walk timer going. Looked at after every event: the
    // throw between two walks takes longer than one event.
    void noteWalk() {
        const bool walking =
            !ended_ && windows_->Form1().loaded() && windows_->Form1().screen()->tmov->enabled();
        if (walking && !walking_) ++walks_;
        walking_ = walking;
    }

    void processEnded() {
        // The real end stops everything at once; here the rest of a synthetic double-click
        // may still arrive at the button that ended it.
        if (ended_) return;
        ended_ = true;
        const kivo::BoardRules* rules = windows_->Form1().rules();
        const kivo::ui::frmendWindow* end = windows_->frmend().screen();
        if (rules && rules->ended()) {
            ++gamesOver_;
        } else if (last_ == Last::Close) {
            ++closes_;
        } else if (end && QApplication::focusWidget() == end->Command1) {  // clicked or keyed
            ++exits_;
        } else {
            fail("the process ended without Exit, game over or the window manager's close");
            std::printf("  loaded: flogo %d Form2 %d Form1 %d frmend %d\n",
                        windows_->flogo().loaded(), windows_->Form2().loaded(),
                        windows_->Form1().loaded(), windows_->frmend().loaded());
        }
    }

    void check() {
        if (ended_) return;
        const bool logo = windows_->flogo().loaded();
        const bool setup = windows_->Form2().loaded();
        const bool boardUp = windows_->Form1().loaded();
        const bool end = windows_->frmend().loaded();
        if (!windows_->frmback().loaded()) fail("the backdrop is gone");
        if (logo + setup + boardUp + end != 1) fail("not exactly one window besides the backdrop");
        if (boardUp) checkBoard();
    }

    void checkBoard() {
        kivo::ui::Form1Window* board = windows_->Form1().screen();
        const kivo::BoardState& s = windows_->Form1().state();
        if (windows_->Form1().rules()->ended()) return;
        // From a box's opening until its handler goes on, even after the box was answered.
        const bool boxOpen = shell_.messageBoxOpen();
        if (board->tdie->enabled() && board->tmov->enabled()) {
            fail("both timers run");
            QWidget* box = QApplication::activeModalWidget();
            std::printf("  dcount %d stp %d scr %d turn %d box '%s' move %d shuffle %d\n", s.dcount,
                        s.stp, s.scr, s.turn, box ? qPrintable(box->windowTitle()) : "",
                        board->cmdmove->isEnabled(), board->cmdshuffle->isEnabled());
        }
        if (s.lastplr < 0 || s.lastplr > 3) fail("lastplr out of range");
        // A finisher leaves the rotation once the box that ranks them was read.
        const int rotation = s.plrmax - s.nwin;
        if (s.lastplr != rotation && !(boxOpen && s.lastplr == rotation + 1)) {
            fail("a finisher is still in the rotation");
        }
        if (!boxOpen && (s.turn < 0 || s.turn > s.lastplr)) fail("turn out of range");
        for (int p = 0; p <= s.lastplr; ++p) {
            if (s.pos[p] < 1 || s.pos[p] > (boxOpen ? 101 : 100))
                fail("a position is off the board");
        }
        if (s.prevroll < 0 || s.prevroll > 6) fail("a roll that no die shows");
    }

    void fail(const char* what) {
        ++failures_;
        std::printf("monkey: FAILED after %d events (seed %u): %s\n", done_, seed_, what);
    }

    std::mt19937 rng_;
    kivo::SeededDie seededDie_;  // the same seed replays the same rolls
    kivo::DieSource* die_;
    unsigned seed_;
    int target_;
    int done_ = 0;
    int failures_ = 0;
    int processes_ = 0, gamesOver_ = 0, exits_ = 0, closes_ = 0, boxes_ = 0;
    int answered_ = 0, walks_ = 0;
    bool ended_ = false;
    bool walking_ = false;
    bool pending_ = false;
    Last last_ = Last::None;
    QPointer<QWidget> lastBox_;  // compared, never dereferenced
    kivo::test::TestShell shell_;
    std::unique_ptr<Windows> windows_;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    kivo::ui::setUpLook();
    QApplication::setQuitOnLastWindowClosed(false);
    if (argc > 1 && std::strcmp(argv[1], "close-under-box") == 0) {
        kivo::test::ScriptedDie die{6};  // a six, then never the same value twice
        return Monkey(1, 100, &die).replayCloseUnderBox();
    }
    const unsigned seed = argc > 1 ? static_cast<unsigned>(std::strtoul(argv[1], nullptr, 10))
                                   : std::random_device{}();
    const int events = argc > 2 ? std::atoi(argv[2]) : 20000;
    return Monkey(seed, events).run();
}
