// The windows together: the splash over the backdrop and every way out of it, the end window,
// closing windows from the window manager, and whole runs of the program from the splash to
// the end of a game.

#include "Windows.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPixmapCache>
#include <QScreen>
#include <algorithm>
#include <vector>

#include "Form1Window.h"
#include "Frame.h"
#include "PictureBox.h"
#include "UiSupport.h"

using namespace kivo;
using namespace kivo::uitest;

namespace {

// The loaded windows, front ones first, as "Form2 frmback".
QString loadedWindows(app::Windows& w) {
    QStringList out;
    if (w.flogo().loaded()) out << "flogo";
    if (w.Form2().loaded()) out << "Form2";
    if (w.Form1().loaded()) out << "Form1";
    if (w.frmend().loaded()) out << "frmend";
    if (w.frmback().loaded()) out << "frmback";
    return out.join(' ');
}

bool centredOnStage(QWidget* w) {
    const QPoint off = w->geometry().center() - w->parentWidget()->rect().center();
    return std::abs(off.x()) <= 1 && std::abs(off.y()) <= 1;
}

// Whether w is what lies in front at the point p of the stage.
bool inFront(QWidget* w, QPoint p) {
    QWidget* hit = w->window()->childAt(p);
    return hit == w || w->isAncestorOf(hit);
}

// Counts the windows that are shown on the stage, in order.
class ShownWindows {
public:
    ShownWindows()
        : spy_([this](QObject* o, QEvent* e) {
              if (e->type() == QEvent::Show && dynamic_cast<ui::FormWindow*>(o)) {
                  shown.push_back(static_cast<QWidget*>(o));
              }
          }) {
        qApp->installEventFilter(&spy_);
    }
    ~ShownWindows() { qApp->removeEventFilter(&spy_); }
    int count(QWidget* w) const {
        return static_cast<int>(std::count(shown.begin(), shown.end(), w));
    }

    std::vector<QWidget*> shown;

private:
    Spy spy_;
};

}  // namespace

class WindowsTest : public QObject {
    Q_OBJECT

private:
    TestShell answer_;

    // One throw and one walk of the player to move, on the board's timers.
    bool playTurn(ui::Form1Window* b, ScriptedDie& die, const std::vector<int>& rolls) {
        die.push(rolls);
        if (!QTest::qWaitFor([&] { return b->cmdshuffle->isEnabled(); }, 5000)) return false;
        QTest::mouseClick(b->cmdshuffle, Qt::LeftButton);
        if (!QTest::qWaitFor([&] { return b->cmdmove->isEnabled() && !b->tdie->enabled(); },
                             5000)) {
            return false;
        }
        QTest::mouseClick(b->cmdmove, Qt::LeftButton);
        return QTest::qWaitFor([&] { return b->cmdshuffle->isEnabled() || answer_.ends > 0; },
                               15000);
    }

private slots:
    void initTestCase() { setUpApplication(); }

    void init() { answer_.reset(); }

    void cleanup() { flushDeletes(); }

    void splashComesUpOverTheBackdrop() {
        app::Windows win(answer_);
        ShownWindows shown;
        win.start();
        QCOMPARE(loadedWindows(win), QStringLiteral("flogo frmback"));
        QWidget* splash = win.flogo().window();
        QWidget* backdrop = win.frmback().window();
        QCOMPARE(shown.shown, (std::vector<QWidget*>{backdrop, splash}));

        // One top-level window, the stage, full screen and frameless, named for the task bar;
        // the backdrop is its ground and the splash a card centred on it.
        QWidget* stage = splash->window();
        QCOMPARE(backdrop->window(), stage);
        QCOMPARE(QApplication::topLevelWidgets().size(), qsizetype{1});
        QVERIFY(QTest::qWaitForWindowExposed(stage));
        QVERIFY(stage->windowState() & Qt::WindowFullScreen);
        QCOMPARE(stage->geometry(), stage->screen()->geometry());
        QVERIFY(stage->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(stage->windowTitle(), QStringLiteral("Kivo"));
        // The board's icon, at the sizes desktops show it.
        QCOMPARE(stage->windowIcon().availableSizes(),
                 (QList<QSize>{{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}}));
        QCOMPARE(stage->palette().color(QPalette::Window), bgrColor(0x00404080));
        QCOMPARE(splash->size(), pxRect(0, 0, 5265, 3270).size());
        QVERIFY(centredOnStage(splash));
        QCOMPARE(splash->palette().color(QPalette::Window), bgrColor(0x00C0E0FF));

        QVERIFY(backdrop->isVisible());
        QVERIFY(!backdrop->isEnabled());
        QCOMPARE(backdrop->geometry(), stage->rect());
        QCOMPARE(backdrop->palette().color(QPalette::Window), bgrColor(0x00404080));
        QVERIFY(childrenOfKind<ui::Control>(backdrop).empty());  // no controls

        // A click on the ground does nothing and raises nothing: the splash stays in front
        // with the keyboard.
        clickThroughWindow(stage, QPoint(2, 2));
        QVERIFY(inFront(splash, splash->geometry().center()));
        QCOMPARE(QApplication::focusWidget(), splash);

        QTest::qWait(300);  // it waits for the players, however long
        QCOMPARE(loadedWindows(win), QStringLiteral("flogo frmback"));
    }

    // Every click on the splash and every key leave it for the set-up window.
    void splashWaysOut_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("key");  // 0: a click on the target
        QTest::newRow("window margin") << "margin" << 0;
        QTest::newRow("frame") << "frame" << 0;
        QTest::newRow("notice line") << "label 0" << 0;
        QTest::newRow("e-kivo") << "label 1" << 0;
        QTest::newRow("Version 1.0") << "label 2" << 0;
        QTest::newRow("credit line") << "label 3" << 0;
        QTest::newRow("picture") << "picture" << 0;
        QTest::newRow("key a") << "" << int{Qt::Key_A};
        QTest::newRow("key Return") << "" << int{Qt::Key_Return};
        QTest::newRow("key Escape") << "" << int{Qt::Key_Escape};
    }

    void splashWaysOut() {
        QFETCH(QString, target);
        QFETCH(int, key);
        app::Windows win(answer_);
        win.start();
        QWidget* splash = win.flogo().window();
        QVERIFY(QTest::qWaitForWindowActive(splash));
        ShownWindows shown;

        if (key) {
            // A modifier alone (the Alt of Alt+Tab, say) is not the player's key.
            for (Qt::Key alone : {Qt::Key_Shift, Qt::Key_Control, Qt::Key_Alt, Qt::Key_AltGr,
                                  Qt::Key_Meta, Qt::Key_Super_L, Qt::Key_Super_R}) {
                QKeyEvent press(QEvent::KeyPress, alone, Qt::NoModifier);
                QApplication::sendEvent(splash, &press);  // QTest knows no AltGr
            }
            QCOMPARE(loadedWindows(win), QStringLiteral("flogo frmback"));
            QTest::keyClick(handleOf(splash), static_cast<Qt::Key>(key));
        } else {
            const auto frames = childrenOfKind<ui::Frame>(splash);
            QCOMPARE(frames.size(), std::size_t{1});
            ui::Frame* frame = frames.front();
            const auto pictures = childrenOfKind<ui::Image>(frame);
            QCOMPARE(pictures.size(), std::size_t{1});
            QList<QLabel*> labels = frame->findChildren<QLabel*>();
            QCOMPARE(labels.size(), qsizetype{4});
            std::sort(labels.begin(), labels.end(),
                      [](QLabel* a, QLabel* c) { return a->y() < c->y(); });
            QCOMPARE(labels[1]->text(), QStringLiteral("e-kivo"));
            QCOMPARE(labels[2]->text(), QStringLiteral("Version 1.0"));

            QWidget* aimed = nullptr;
            QPoint at;
            if (target == QLatin1String("margin")) {
                at = QPoint(3, 3);
            } else if (target == QLatin1String("frame")) {
                aimed = frame;
                at = frame->mapTo(splash,
                                  QPoint(px(4500), px(1000)));  // clear of labels and picture
            } else if (target == QLatin1String("picture")) {
                aimed = pictures.front();
            } else {
                aimed = labels[target.back().digitValue()];
            }
            if (aimed && at.isNull()) at = aimed->mapTo(splash, aimed->rect().center());
            QCOMPARE(splash->childAt(at), aimed);  // the click lands where it is meant to
            clickThroughWindow(splash, at);
        }

        QCOMPARE(loadedWindows(win), QStringLiteral("Form2 frmback"));
        QVERIFY(win.Form2().window()->isVisible());
        QCOMPARE(shown.count(win.Form2().window()), 1);
        QCOMPARE(answer_.ends, 0);
    }

    // The window manager's close (Alt+F4) acts on the stage and ends the program as "Exit"
    // does, whichever window is up; two programs side by side each end on their own close.
    void stageClosedByTheWindowManager() {
        TestShell other;
        app::Windows first(answer_);
        app::Windows second(other);
        first.start();
        second.start();
        QVERIFY(QTest::qWaitForWindowActive(second.flogo().window()));
        QTest::keyClick(handleOf(second.flogo().window()), Qt::Key_Space);
        QCOMPARE(loadedWindows(second), QStringLiteral("Form2 frmback"));
        second.Form2().window()->window()->close();
        QCOMPARE(other.ends, 1);
        QCOMPARE(answer_.ends, 0);
        QCOMPARE(loadedWindows(second), QStringLiteral("Form2 frmback"));
        first.flogo().window()->window()->close();
        QCOMPARE(answer_.ends, 1);
        QCOMPARE(other.ends, 1);
    }

    // The stage keeps to its screen as the screen changes size, with or without a window
    // manager to see to it, and the cards follow: every control stays on the screen.
    void stageFollowsTheScreen() {
        app::Windows win(answer_);
        win.start();
        QWidget* splash = win.flogo().window();
        QWidget* stage = splash->window();
        QVERIFY(QTest::qWaitForWindowExposed(stage));
        QScreen* screen = stage->screen();
        const QRect full = screen->geometry();
        emit screen->geometryChanged(QRect(0, 0, 395, 300));
        QCOMPARE(stage->geometry(), QRect(0, 0, 395, 300));
        QCOMPARE(splash->size(), QSize(176, 109));  // 351 x 218 design pixels at a scale of 1/2
        QVERIFY(centredOnStage(splash));
        emit screen->geometryChanged(full);
        QCOMPARE(stage->geometry(), full);
    }

    void endWindow() {
        app::Windows win(answer_);
        win.frmend().Show();
        QWidget* end = win.frmend().window();
        QVERIFY(QTest::qWaitForWindowActive(end));
        QCOMPARE(end->size(), pxRect(0, 0, 10170, 3915).size());
        QVERIFY(centredOnStage(end));
        QCOMPARE(win.frmend().screen()->Command1->text(), QStringLiteral("Exit"));
        QCOMPARE(win.frmend().screen()->Command3->text(), QStringLiteral("Restart"));
        QCOMPARE(win.frmend().screen()->Command1->geometry(), pxRect(2520, 2520, 2055, 615));
        QCOMPARE(win.frmend().screen()->Command3->geometry(), pxRect(5160, 2520, 2055, 615));

        // "Restart" holds the focus: Space restarts. The window's unload empties the pixmap
        // cache, where the style left the grounds of its buttons: a picture put there while
        // the window was up is gone with it.
        QPixmap picture(4, 4);
        picture.fill(Qt::red);
        const QPixmapCache::Key key = QPixmapCache::insert(picture);
        QVERIFY(QPixmapCache::find(key, &picture));
        QCOMPARE(QApplication::focusWidget(), win.frmend().screen()->Command3);
        QTest::keyClick(handleOf(end), Qt::Key_Space);
        QCOMPARE(loadedWindows(win), QStringLiteral("Form2"));
        QCOMPARE(answer_.ends, 0);
        QVERIFY(!QPixmapCache::find(key, &picture));

        // Opened again, afresh, "Restart" first and "Exit" next in the tab order; "Exit" ends
        // the program with the window still up.
        win.frmend().Show();
        end = win.frmend().window();
        QVERIFY(QTest::qWaitForWindowActive(end));
        QCOMPARE(QApplication::focusWidget(), win.frmend().screen()->Command3);
        QTest::keyClick(handleOf(end), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), win.frmend().screen()->Command1);
        QTest::keyClick(handleOf(end), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), win.frmend().screen()->Command3);
        QCOMPARE(answer_.ends, 0);
        QTest::mouseClick(win.frmend().screen()->Command1, Qt::LeftButton);
        QCOMPARE(answer_.ends, 1);
    }

    // From the splash through three games: two players cancelled after a turn each, three
    // players cancelled in the middle of a walk, and four players to the end of the game.
    void wholeFlow() {
        app::Windows win(answer_);
        ScriptedDie die;
        win.setDie(&die);
        win.start();
        QCOMPARE(loadedWindows(win), QStringLiteral("flogo frmback"));
        QWidget* backdrop = win.frmback().window();
        QVERIFY(QTest::qWaitForWindowActive(win.flogo().window()));
        QTest::keyClick(handleOf(win.flogo().window()), Qt::Key_Return);
        QCOMPARE(loadedWindows(win), QStringLiteral("Form2 frmback"));

        QStringList whileBoardLoads;
        Spy boardShows([&](QObject* o, QEvent* e) {
            if (e->type() != QEvent::Show || !win.Form1().loaded() || o != win.Form1().window())
                return;
            // The board lies in front of the set-up card until that is unloaded.
            const bool boardInFront =
                inFront(win.Form1().window(), win.Form2().window()->geometry().center());
            whileBoardLoads << loadedWindows(win) + (boardInFront ? "" : " (set-up in front)");
        });
        qApp->installEventFilter(&boardShows);
        QStringList ladderLines;
        answer_.onOpen = [&](const Shown& s) {
            if (s.title != QLatin1String("MOVE UP") || !win.Form1().loaded()) return;
            ui::Form1Window* b = win.Form1().screen();
            for (int i = 0; i < 11; ++i) {
                if (b->ldr[i]->isVisible()) ladderLines << QString::number(i);
            }
        };

        // Two players on the real timers: a six and a one up the ladder at 7, then a five.
        QVERIFY(QTest::qWaitForWindowActive(win.Form2().window()));
        QTest::mouseClick(win.Form2().screen()->Command1, Qt::LeftButton);
        QTest::mouseClick(win.Form2().screen()->cmdgo, Qt::LeftButton);
        QCOMPARE(whileBoardLoads, QStringList{"Form2 Form1 frmback"});
        QCOMPARE(loadedWindows(win), QStringLiteral("Form1 frmback"));
        ui::Form1Window* b = win.Form1().screen();
        QVERIFY(QTest::qWaitForWindowExposed(b));
        QCOMPARE(b->Lp[1]->text(), QStringLiteral("Player 2"));
        QVERIFY(b->pictrn[2]->isHidden());
        QVERIFY(playTurn(b, die, {6, 1}));
        QVERIFY(playTurn(b, die, {5}));
        QCOMPARE(answer_.prompts(), (QStringList{"You won one more chance...", "wow! it's luck "}));
        QCOMPARE(ladderLines, QStringList{"0"});
        QCOMPARE(int{win.Form1().state().pos[0]}, 27);
        QCOMPARE(int{win.Form1().state().pos[1]}, 6);
        QCOMPARE(int{win.Form1().state().turn}, 0);

        QTest::mouseClick(b->Cmdexit, Qt::LeftButton);
        flushDeletes();
        QCOMPARE(loadedWindows(win), QStringLiteral("frmend frmback"));
        QCOMPARE(int{win.Form1().state().prevroll}, 5);  // the record outlives the window

        // "Restart": a set-up window as at first, whatever was chosen before.
        QVERIFY(QTest::qWaitForWindowActive(win.frmend().window()));
        QTest::keyClick(handleOf(win.frmend().window()), Qt::Key_Space);
        QCOMPARE(loadedWindows(win), QStringLiteral("Form2 frmback"));
        QVERIFY(win.Form2().screen()->Op2->isChecked());
        QVERIFY(win.Form2().screen()->Frame2->isHidden());
        for (auto* t : {win.Form2().screen()->Tp1, win.Form2().screen()->Tp2,
                        win.Form2().screen()->Tp3, win.Form2().screen()->Tp4}) {
            QVERIFY(!t->isEnabled());
        }
        QCOMPARE(win.Form2().screen()->Tp4->text(), QStringLiteral("Player 4"));
        QCOMPARE(int{win.Form1().state().prevroll}, 5);

        // Three players: the first roll may not repeat the last roll of the game before.
        QVERIFY(QTest::qWaitForWindowActive(win.Form2().window()));
        QTest::mouseClick(win.Form2().screen()->Op3, Qt::LeftButton);
        QTest::mouseClick(win.Form2().screen()->Command1, Qt::LeftButton);
        QTest::mouseClick(win.Form2().screen()->cmdgo, Qt::LeftButton);
        QCOMPARE(whileBoardLoads.size(), qsizetype{2});
        QCOMPARE(whileBoardLoads.back(), QStringLiteral("Form2 Form1 frmback"));
        QCOMPARE(loadedWindows(win), QStringLiteral("Form1 frmback"));
        b = win.Form1().screen();
        QVERIFY(b->pictrn[2]->isVisible() && b->pictrn[3]->isHidden());
        QCOMPARE(b->lscr->text(), QStringLiteral("??"));
        QCOMPARE(int{win.Form1().state().pos[0]}, 1);
        const int drawsBefore = die.draws;
        die.push({5, 3});
        QTest::mouseClick(b->cmdshuffle, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(b->cmdmove->isEnabled() && !b->tdie->enabled(), 5000);
        QCOMPARE(die.draws - drawsBefore, 2);
        QCOMPARE(b->lscr->text(), QStringLiteral(" 3"));
        QCOMPARE(int{win.Form1().state().prevroll}, 3);

        // "Cancel" in the middle of the walk: it stops with the window, and says nothing.
        QTest::mouseClick(b->cmdmove, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(win.Form1().state().pos[0] == 2, 3000);
        const std::size_t messagesBefore = answer_.shown.size();
        QTest::mouseClick(b->Cmdexit, Qt::LeftButton);
        QCOMPARE(loadedWindows(win), QStringLiteral("frmend frmback"));
        QTest::qWait(800);
        QCOMPARE(int{win.Form1().state().pos[0]}, 2);
        QCOMPARE(answer_.shown.size(), messagesBefore);
        QCOMPARE(loadedWindows(win), QStringLiteral("frmend frmback"));

        // Four named players, played to the end.
        QTest::mouseClick(win.frmend().screen()->Command3, Qt::LeftButton);
        QCOMPARE(loadedWindows(win), QStringLiteral("Form2 frmback"));
        QVERIFY(QTest::qWaitForWindowActive(win.Form2().window()));
        QTest::mouseClick(win.Form2().screen()->Op4, Qt::LeftButton);
        QTest::mouseClick(win.Form2().screen()->Command1, Qt::LeftButton);
        QTRY_COMPARE(win.Form2().screen()->Tp1->selectedText(), QStringLiteral("Player 1"));
        QTest::keyClicks(win.Form2().screen()->Tp1, "Ann");
        const QStringList others{"Bob", "Cy", "Di"};
        ui::TextBox* boxes[] = {win.Form2().screen()->Tp2, win.Form2().screen()->Tp3,
                                win.Form2().screen()->Tp4};
        for (int i = 0; i < 3; ++i) {
            boxes[i]->setFocus();
            boxes[i]->selectAll();
            QTest::keyClicks(boxes[i], others[i]);
        }
        QTest::mouseClick(win.Form2().screen()->cmdgo, Qt::LeftButton);
        QCOMPARE(loadedWindows(win), QStringLiteral("Form1 frmback"));
        b = win.Form1().screen();
        QCOMPARE(b->Lp[0]->text(), QStringLiteral("Ann"));
        QCOMPARE(b->Lp[3]->text(), QStringLiteral("Di"));
        QVERIFY(b->Lplc[2]->isVisible());

        // The same timers, ticking faster, so the long game runs in a blink.
        b->tdie->setInterval(1);
        b->tmov->setInterval(5);
        answer_.reset();
        const std::vector<std::vector<int>> rounds[] = {
            {{6, 1}, {6, 4}, {3}, {1}},  // Ann up the ladder at 7, Bob 10, Cy 3, Di 1
            {{2}, {6, 5}, {4}, {2}},     // Ann 28 to 55, Bob 21 to 82, Cy 7 to 26, Di 3
            {{3}, {6, 4}, {2}, {1}},     // Ann 58 to 96, Bob 92, Cy 28 to 55, Di 4
            {{4}, {6, 2}, {3}, {1}},     // Ann and Bob finish, Cy 58 to 96, Di 5
            {{4}},                       // Cy finishes: the game is over
        };
        for (const auto& round : rounds) {
            for (const auto& turn : round) {
                QCOMPARE(answer_.ends, 0);
                QVERIFY(playTurn(b, die, turn));
            }
        }
        const QString lucky = "You won one more chance...";
        const QString ladder = "wow! it's luck ";
        QCOMPARE(answer_.prompts(),
                 (QStringList{lucky, ladder, lucky,           // round 1
                              ladder, lucky, ladder, ladder,  // round 2
                              ladder, lucky, ladder,          // round 3
                              "You are the first winner.", lucky, "You are the second winner.",
                              ladder,  // round 4
                              "You are the third winner.", "Game is over..."}));
        QCOMPARE(answer_.shown.back().title, QStringLiteral("FINISH"));
        QCOMPARE(answer_.shown.back().style, 64);
        QCOMPARE(answer_.ends, 1);
        QCOMPARE(b->lwnr[0]->text(), QStringLiteral("Ann"));
        QCOMPARE(b->lwnr[1]->text(), QStringLiteral("Bob"));
        QCOMPARE(b->lwnr[2]->text(), QStringLiteral("Cy"));
        for (int k = 0; k < 3; ++k) {  // each winner's figure whole, sized to its picture
            QCOMPARE(b->Pwnr[k]->size(), pxRect(0, 0, 480, 480).size());
        }
        QCOMPARE(die.left(), std::size_t{0});
        QCOMPARE(die.overruns, 0);

        // No end window after a finished game; the backdrop was the same all along.
        QTest::qWait(50);
        QVERIFY(!win.frmend().loaded());
        QCOMPARE(answer_.ends, 1);
        QCOMPARE(win.frmback().window(), backdrop);
        QVERIFY(backdrop->isVisible());
    }
};

QTEST_MAIN(WindowsTest)
#include "windows_test.moc"
