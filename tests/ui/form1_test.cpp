// The board window on screen: its layout square by square, the die faces, what it shows when
// it opens, one turn on the real timers, and a message box that holds the whole board.

#include "Form1.h"

#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <memory>

#include "Board.h"
#include "Form1Window.h"
#include "Shape.h"
#include "Stage.h"
#include "UiSupport.h"

using namespace kivo;
using namespace kivo::uitest;

namespace {

// Square n on screen, its colour and its caption, as the board is drawn.
QRect squareRect(int n) {
    const board::Box sq = board::square(n);
    return pxRect(sq.left, sq.top, sq.width, sq.height);
}
unsigned colourOf(int n) {
    return board::colour(n);
}
QString captionOf(int n) {
    return QString::fromStdString(board::caption(n));
}

// The strongest pixel within one pixel of p.
QColor inkNear(const QImage& img, QPoint p) {
    QColor best(0, 0, 0, 0);
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            const QPoint q = p + QPoint(dx, dy);
            if (!img.rect().contains(q)) continue;
            const QColor c = img.pixelColor(q);
            if (c.alpha() > best.alpha()) best = c;
        }
    }
    return best;
}

bool isBlack(const QColor& c) {
    return c.red() < 60 && c.green() < 60 && c.blue() < 60;
}

}  // namespace

class Form1Test : public QObject {
    Q_OBJECT

private:
    ui::Form1Window* open() {
        if (!openAndWait(*form_)) return nullptr;
        return form_->screen();
    }

    std::unique_ptr<ui::Form1> form_;
    SetupChoice choice_;
    ScriptedDie die_;
    TestShell answer_;
    int frmendShown_ = 0;

private slots:
    void initTestCase() { setUpApplication(); }

    void init() {
        answer_.reset();
        choice_ = SetupChoice{};
        die_ = ScriptedDie{};
        frmendShown_ = 0;
        form_ = std::make_unique<ui::Form1>(
            answer_, [this] { return choice_; }, [this] { ++frmendShown_; }, &die_);
    }

    void cleanup() {
        form_.reset();
        flushDeletes();
    }

    void theWindow() {
        auto* b = open();
        QVERIFY(b);
        // The design centred on the stage, which fills the screen in the board's colour.
        QCOMPARE(b->size(), pxRect(0, 0, 11850, 9000).size());
        QCOMPARE(b->geometry().center(), b->window()->rect().center());
        QCOMPARE(b->window()->geometry(), b->screen()->geometry());
        QCOMPARE(b->windowTitle(), QStringLiteral("Form1"));
        QCOMPARE(b->palette().color(QPalette::Window), bgrColor(0x00404080));
    }

    void squares_data() {
        QTest::addColumn<int>("square");
        for (int n = 1; n <= 100; ++n) QTest::addRow("square %d", n) << n;
    }

    // Every square where the board has it, square 1 to the pixel at the bottom left.
    void squares() {
        QFETCH(int, square);
        auto* b = open();
        QVERIFY(b);
        ui::Label* sq = b->Lpos[square - 1];
        QCOMPARE(sq->geometry(), squareRect(square));
        if (square == 1) QCOMPARE(sq->geometry(), QRect(232, 544, 53, 50));
        QVERIFY(sq->isVisible());
        QVERIFY(sq->autoFillBackground());  // opaque
        QCOMPARE(sq->palette().color(QPalette::Window), bgrColor(colourOf(square)));
        QCOMPARE(sq->text(), captionOf(square));
        QCOMPARE(sq->alignment(), Qt::AlignCenter);
        QCOMPARE(sq->frameShape(), QFrame::NoFrame);
    }

    void markers_data() {
        QTest::addColumn<bool>("snake");
        QTest::addColumn<int>("index");
        for (int i = 0; i < 11; ++i) QTest::addRow("snake %d", i) << true << i;
        for (int i = 0; i < 11; ++i) QTest::addRow("ladder %d", i) << false << i;
    }

    void markers() {
        QFETCH(bool, snake);
        QFETCH(int, index);
        auto* b = open();
        QVERIFY(b);
        const QRect square = squareRect(snake ? board::kHead[index] : board::kFoot[index]);
        const QRect marker = (snake ? b->imsnk : b->Imldr)[index]->geometry();
        QCOMPARE(marker, QRect(square.x() + 8, square.y(), 33, 49));  // 120 twips in, 495 x 735
        QVERIFY(square.contains(marker));
        QVERIFY((snake ? b->imsnk : b->Imldr)[index]->isVisible());
    }

    // Each line runs from the marker's square to the far square, in its own colour, and is
    // hidden until its snake or ladder acts.
    void lines_data() { markers_data(); }

    void lines() {
        QFETCH(bool, snake);
        QFETCH(int, index);
        auto* b = open();
        QVERIFY(b);
        ui::Line* line = (snake ? b->snk : b->ldr)[index];
        QVERIFY(line->isHidden());

        // Snake: head square (left + 360, top + 600) to its tail; ladder: top to the foot
        // square (left + 360, top + 120).
        const int markerSquare = snake ? board::kHead[index] : board::kFoot[index];
        const int farSquare = snake ? board::kTail[index] : board::kTop[index];
        const QRect sq = squareRect(markerSquare);
        const QPoint nearEnd(sq.x() + px(360), sq.y() + px(snake ? 600 : 120));
        const board::Point farTwips =
            snake ? board::kSnakeTailEnd[index] : board::kLadderTopEnd[index];
        const QPoint farEnd(px(farTwips.x), px(farTwips.y));
        QVERIFY(sq.contains(nearEnd));
        QVERIFY2(squareRect(farSquare).contains(farEnd), "the far end is in the far square");

        const QImage img = paint(line);
        const QPoint origin = line->geometry().topLeft();
        for (const QPoint end : {nearEnd, farEnd}) {
            const QColor ink = inkNear(img, end - origin);
            QVERIFY2(ink.alpha() > 200,
                     qPrintable(QStringLiteral("no ink at %1,%2").arg(end.x()).arg(end.y())));
            QVERIFY(ink.red() > 180 && ink.blue() < 80);
            if (snake) {
                QVERIFY(ink.green() < 80);  // red
            } else {
                QVERIFY(ink.green() > 180);  // yellow
            }
        }
        // Not the other diagonal of the same box.
        const QPoint cross1(nearEnd.x(), farEnd.y());
        const QPoint cross2(farEnd.x(), nearEnd.y());
        if (std::abs(nearEnd.x() - farEnd.x()) > 6 && std::abs(nearEnd.y() - farEnd.y()) > 6) {
            QVERIFY(inkNear(img, cross1 - origin).alpha() < 40);
            QVERIFY(inkNear(img, cross2 - origin).alpha() < 40);
        }
    }

    void dieFaces_data() {
        QTest::addColumn<int>("face");
        QTest::addColumn<QList<QPoint>>("pips");  // twips inside the frame
        QTest::newRow("1") << 1 << QList<QPoint>{{360, 480}};
        QTest::newRow("2") << 2 << QList<QPoint>{{240, 360}, {480, 600}};
        QTest::newRow("3") << 3 << QList<QPoint>{{480, 360}, {360, 480}, {240, 600}};
        QTest::newRow("4 is a diamond")
            << 4 << QList<QPoint>{{360, 360}, {240, 480}, {480, 480}, {360, 600}};
        QTest::newRow("5") << 5
                           << QList<QPoint>{
                                  {240, 360}, {480, 360}, {360, 480}, {240, 600}, {480, 600}};
        QTest::newRow("6") << 6 << QList<QPoint>{{240, 360}, {360, 360}, {480, 360},
                                                 {240, 600}, {360, 600}, {480, 600}};
    }

    void dieFaces() {
        QFETCH(int, face);
        QFETCH(QList<QPoint>, pips);
        auto* b = open();
        QVERIFY(b);
        ui::DieFaces* die = b->f;  // the six faces at one place
        QCOMPARE(die->geometry(), pxRect(1440, 6960, 855, 975));
        QVERIFY(die->isHidden());
        die->setFaceVisible(face, true);
        QVERIFY(die->isVisibleTo(b));
        QList<QPoint> expected;
        for (const QPoint& p : pips) expected << QPoint(px(p.x()), px(p.y()));

        // Drawn: a black round pip on every place of the face, silver on the others.
        const QImage img = paint(die);
        for (int x : {240, 360, 480}) {
            for (int y : {360, 480, 600}) {
                const QPoint corner(px(x), px(y));
                const QColor centre = img.pixelColor(corner + QPoint(4, 4));
                if (expected.contains(corner)) {
                    QVERIFY2(isBlack(centre),
                             qPrintable(QStringLiteral("pip at %1,%2").arg(x).arg(y)));
                    QVERIFY2(!isBlack(img.pixelColor(corner)), "a pip is round");
                } else {
                    QCOMPARE(centre, bgrColor(0x00C0C0C0));
                }
            }
        }
    }

    void initialState() {
        auto* b = open();
        QVERIFY(b);
        QVERIFY(b->plr[0]->isVisible());
        for (int i = 1; i < 4; ++i) QVERIFY(b->plr[i]->isHidden());
        QCOMPARE(b->plr[0]->geometry(), pxRect(2760, 8280, 600, 585));
        QCOMPARE(b->plr[3]->geometry(), pxRect(2760, 8280, 600, 600));
        QCOMPARE(b->plr[0]->palette().color(QPalette::Window), bgrColor(0x00400000));
        QVERIFY(b->Strn->isVisible());
        QCOMPARE(b->Strn->geometry(), pxRect(2760, 8280, 615, 615));

        QCOMPARE(b->cmdmove->text(), QStringLiteral("Move"));
        QCOMPARE(b->cmdshuffle->text(), QStringLiteral("Shuffle"));
        QCOMPARE(b->Cmdexit->text(), QStringLiteral("Cancel"));
        QCOMPARE(b->cmdmove->geometry(), pxRect(120, 6840, 975, 615));
        QCOMPARE(b->cmdshuffle->geometry(), pxRect(120, 7560, 975, 615));
        QCOMPARE(b->Cmdexit->geometry(), pxRect(120, 8280, 975, 615));
        QVERIFY(!b->cmdmove->isEnabled());
        QVERIFY(b->cmdshuffle->isEnabled());
        QVERIFY(b->Cmdexit->isEnabled());
        QVERIFY(!b->tdie->enabled());
        QVERIFY(!b->tmov->enabled());
        QCOMPARE(b->tdie->interval(), 10);
        QCOMPARE(b->tmov->interval(), 300);

        QCOMPARE(b->lscr->text(), QStringLiteral("??"));
        QCOMPARE(b->lscr->geometry(), pxRect(2400, 7200, 660, 660));
        QVERIFY(b->f->isHidden());
        for (int i = 0; i < 11; ++i) QVERIFY(b->snk[i]->isHidden() && b->ldr[i]->isHidden());

        QVERIFY(b->Lplc[0]->isVisible());
        QVERIFY(b->Lplc[1]->isHidden() && b->Lplc[2]->isHidden());
        const QStringList places{"1 :", "2 :", "3 :"};
        for (int k = 0; k < 3; ++k) {
            QCOMPARE(b->Lplc[k]->text(), places[k]);
            QVERIFY(b->Pwnr[k]->isHidden());
            QVERIFY(b->lwnr[k]->isHidden());
        }
        QCOMPARE(b->Label1->text(), QStringLiteral("Winners:"));
        QCOMPARE(b->Lstart->text(), QStringLiteral("Start ->"));
        QCOMPARE(answer_.shown.size(), std::size_t{0});
    }

    // What the set-up window chose decides the rows of the player list and the places.
    void setupRows_data() {
        QTest::addColumn<int>("players");
        QTest::newRow("Two") << 2;
        QTest::newRow("Three") << 3;
        QTest::newRow("Four") << 4;
    }

    void setupRows() {
        QFETCH(int, players);
        choice_.op2 = players == 2;
        choice_.op3 = players == 3;
        choice_.op4 = players == 4;
        choice_.names = {"Ann", "Bob", "Cy", "Di"};
        auto* b = open();
        QVERIFY(b);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(b->pictrn[i]->isVisible(), i < players);
            QCOMPARE(b->Lp[i]->isVisible(), i < players);
            QCOMPARE(b->Lp[i]->text(), QString::fromStdString(choice_.names[i]));  // hidden too
            QCOMPARE(b->pictrn[i]->geometry(), pxRect(840, 960 + 600 * i, 480, 480));
            QCOMPARE(b->Lp[i]->y(), px(1080 + 600 * i));
        }
        for (int k = 0; k < 3; ++k) QCOMPARE(b->Lplc[k]->isVisible(), k < players - 1);
        QCOMPARE(b->Picptr->y(), b->pictrn[0]->y());  // the pointer at the first player
        QCOMPARE(int{form_->state().lastplr}, players - 1);
        QCOMPARE(int{form_->state().plrmax}, players - 1);
        for (int i = 0; i < 4; ++i) QCOMPARE(int{form_->state().pos[i]}, 1);
    }

    // Squares at the bottom, markers over them, lines over the markers; picture boxes (the
    // tokens among them), die frames and buttons over every drawn item, the turn marker too.
    void stacking() {
        auto* b = open();
        QVERIFY(b);
        auto in = [](const auto& controls, QWidget* w) {
            return std::find(controls.begin(), controls.end(), w) != controls.end();
        };
        int boardLevel = 0;
        bool aboveSeen = false;
        for (QObject* o : b->children()) {  // bottom first
            auto* w = qobject_cast<QWidget*>(o);
            if (!w) continue;
            if (dynamic_cast<ui::PictureBox*>(w) || dynamic_cast<ui::DieFaces*>(w) ||
                dynamic_cast<ui::Button*>(w)) {
                aboveSeen = true;
                continue;
            }
            QVERIFY2(!aboveSeen, "a drawn item over a picture box, the die or a button");
            const int level = in(b->Lpos, w)                         ? 1
                              : (in(b->imsnk, w) || in(b->Imldr, w)) ? 2
                              : (in(b->snk, w) || in(b->ldr, w))     ? 3
                                                                     : 0;
            QVERIFY2(level == 0 || level >= boardLevel, "squares, markers, lines, bottom to top");
            boardLevel = std::max(boardLevel, level);
        }
        QCOMPARE(boardLevel, 3);
        QVERIFY(aboveSeen);
        // At the start pad a click finds the token, not the marker under it.
        QCOMPARE(b->childAt(b->plr[0]->geometry().center()), b->plr[0]);
    }

    // Tab goes "Shuffle", "Move", "Cancel", skipping "Move" while it is disabled.
    void tabOrder() {
        auto* b = open();
        QVERIFY(b);
        QVERIFY(QTest::qWaitForWindowActive(b));
        b->cmdshuffle->setFocus();
        QTest::keyClick(handleOf(b), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), b->Cmdexit);
        b->cmdmove->setEnabled(true);
        b->cmdshuffle->setFocus();
        QTest::keyClick(handleOf(b), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), b->cmdmove);
        QTest::keyClick(handleOf(b), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), b->Cmdexit);
        QTest::keyClick(handleOf(b), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), b->cmdmove);
        QVERIFY(answer_.shown.empty());
        QVERIFY(form_->loaded());
    }

    // Names are shown as typed, never read as markup.
    void namesAreShownLiterally() {
        choice_.names = {"<b>Bob</b>", "<img src=/etc/passwd>", "a &amp; b", "<i>"};
        auto* b = open();
        QVERIFY(b);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(b->Lp[i]->textFormat(), Qt::PlainText);
            QCOMPARE(b->Lp[i]->text(), QString::fromStdString(choice_.names[i]));
        }
        for (int k = 0; k < 3; ++k) QCOMPARE(b->lwnr[k]->textFormat(), Qt::PlainText);
    }

    // The roll display shows every total whole, " 11" included, inside its border with a
    // margin: no ink in the two pixel columns next to the right border.
    void rollDisplayShowsElevenWhole() {
        auto* b = open();
        QVERIFY(b);
        b->lscr->setCaption(QStringLiteral(" 11"));
        const QImage img = paint(b->lscr);
        const int w = img.width();
        int inkRight = -1;
        for (int x = 1; x < w - 1; ++x) {
            for (int y = 1; y < img.height() - 1; ++y) {
                const QColor c = img.pixelColor(x, y);
                if (c.red() > 150 && c.green() < 100 && c.blue() < 100)
                    inkRight = std::max(inkRight, x);
            }
        }
        QVERIFY2(inkRight >= 0, "the total is drawn");
        QVERIFY2(inkRight < w - 3,
                 qPrintable(QStringLiteral("ink up to x %1 of %2").arg(inkRight).arg(w)));
    }

    // "Move" before a throw looks disabled: its caption loses its light colour, and only the
    // caption: the button's face keeps the layout's dark grey. The focused "Shuffle" carries
    // a dotted focus mark that "Cancel" does not.
    void disabledAndFocusedButtonsShowIt() {
        auto* b = open();
        QVERIFY(b);
        const auto count = [](QWidget* w, auto near) {
            const QImage img = paint(w);
            int n = 0;
            for (int y = 0; y < img.height(); ++y) {
                for (int x = 0; x < img.width(); ++x) n += near(img.pixelColor(x, y)) ? 1 : 0;
            }
            return n;
        };
        const auto light = [](const QColor& c) { return c.lightness() > 200; };
        const auto face = [](const QColor& c) { return c.lightness() < 100; };
        QVERIFY(!b->cmdmove->isEnabled());
        QCOMPARE(count(b->cmdmove, light), 0);
        QVERIFY(count(b->cmdmove, face) >
                count(b->cmdmove, [](const QColor&) { return true; }) / 2);
        b->cmdmove->setEnabled(true);
        QVERIFY(count(b->cmdmove, light) > 20);
        // The mark's top edge: the fourth row of pixels, dotted in the caption's colour.
        const auto markDots = [&](QWidget* w) {
            const QImage img = paint(w);
            int n = 0;
            for (int x = 0; x < img.width(); ++x) n += light(img.pixelColor(x, 4)) ? 1 : 0;
            return n;
        };
        QCOMPARE(QApplication::focusWidget(), b->cmdshuffle);
        QVERIFY(markDots(b->cmdshuffle) > 15);
        QCOMPARE(markDots(b->Cmdexit), 0);
    }

    // A button that holds the focus as it is disabled hands it to no other button: while the
    // die rolls and while the token walks it waits where a second Space presses nothing (not
    // "Cancel") and a screen reader reads nothing out; it comes to "Move" when the die stops.
    void theFocusWaitsWhileItsButtonIsDisabled() {
        die_.push({3});
        auto* b = open();
        QVERIFY(b);
        const auto parked = [b] {
            QWidget* w = QApplication::focusWidget();
            return w && dynamic_cast<ui::FocusPark*>(w) && b->isAncestorOf(w);
        };
        b->cmdshuffle->setFocus();
        form_->rules()->cmdshuffle_Click();
        QVERIFY(parked());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(frmendShown_, 0);
        QVERIFY(parked());
        while (b->tdie->enabled()) form_->rules()->tdie_Timer();
        QCOMPARE(QApplication::focusWidget(), b->cmdmove);
        form_->rules()->cmdmove_Click();
        QVERIFY(parked());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(frmendShown_, 0);
    }

    // A new screen size while a game runs: the board takes the new scale and its place again,
    // and the game is where it was.
    void followsTheStageSize() {
        die_.push({3});
        auto* b = open();
        QVERIFY(b);
        form_->rules()->cmdshuffle_Click();
        for (int i = 0; i < 11; ++i) form_->rules()->tdie_Timer();
        QWidget* stage = b->window();
        const QRect before = stage->geometry();
        stage->setGeometry(0, 0, 1700, 1200);  // s = 2: 1580 x 1200, centred
        QCOMPARE(b->geometry(), QRect(60, 0, 1580, 1200));
        QCOMPARE(b->Lpos[0]->geometry(), QRect(464, 1088, 106, 100));
        QCOMPARE(b->cmdshuffle->geometry(), QRect(16, 1008, 130, 82));
        QCOMPARE(b->cmdshuffle->font().pointSizeF(), 24.0);
        QCOMPARE(b->lscr->text(), QStringLiteral(" 3"));
        QVERIFY(b->f->faceVisible(3));
        QCOMPARE(int{form_->state().scr}, 3);
        stage->setGeometry(before);
        QCOMPARE(b->Lpos[0]->geometry(), pxRect(3480, 8160, 795, 750));
        QCOMPARE(b->cmdshuffle->font().pointSizeF(), 12.0);
    }

    // Shuffle, ten animation ticks and the roll, then a walk of three squares, the landing
    // and the turn passed: all on the window's own timers.
    void oneTurnOnRealTimers() {
        die_.push({3});
        auto* b = open();
        QVERIFY(b);
        QElapsedTimer clock;
        clock.start();

        struct FaceShown {
            int face;
            qint64 ms;
            QString caption;
        };
        std::vector<FaceShown> faces;
        b->tdie->onTick([&] {  // after the rules' own handler of each tick
            for (int k = 1; k <= 6; ++k) {
                if (b->f->faceVisible(k)) faces.push_back({k, clock.elapsed(), b->lscr->text()});
            }
        });

        const qint64 shuffled = clock.elapsed();
        QTest::mouseClick(b->cmdshuffle, Qt::LeftButton);
        QVERIFY(!b->cmdshuffle->isEnabled());
        QVERIFY(b->tdie->enabled());
        QTRY_VERIFY_WITH_TIMEOUT(!b->tdie->enabled(), 5000);

        // Ten animation ticks show f1..f6, f1..f4 with captions one ahead; the closing tick
        // shows the roll.
        const QList<int> wantFaces{1, 2, 3, 4, 5, 6, 1, 2, 3, 4, 3};
        const QStringList wantCaptions{" 2", " 3", " 4", " 5", " 6", " 1",
                                       " 2", " 3", " 4", " 5", " 3"};
        QList<int> gotFaces;
        QStringList gotCaptions;
        for (const FaceShown& s : faces) {
            gotFaces << s.face;
            gotCaptions << s.caption;
        }
        QCOMPARE(gotFaces, wantFaces);
        QCOMPARE(gotCaptions, wantCaptions);
        for (std::size_t i = 1; i < faces.size(); ++i) {
            QVERIFY2(faces[i].ms - faces[i - 1].ms < 250, "a die tick every 10 ms");
        }
        QVERIFY2(faces.back().ms - shuffled >= 100, "eleven ticks of 10 ms");
        QVERIFY2(faces.back().ms - shuffled < 1000, "a throw is over in well under a second");

        QCOMPARE(b->lscr->text(), QStringLiteral(" 3"));
        for (int k = 1; k <= 6; ++k) QCOMPARE(b->f->faceVisible(k), k == 3);
        QVERIFY(b->cmdmove->isEnabled());
        QCOMPARE(b->focusWidget(), b->cmdmove);
        QVERIFY(!b->cmdshuffle->isEnabled());
        QCOMPARE(int{form_->state().scr}, 3);
        QCOMPARE(int{form_->state().prevroll}, 3);
        QCOMPARE(die_.left(), std::size_t{0});

        std::vector<std::pair<int, qint64>> steps;  // the square the token reached, and when
        qint64 pointerMoved = -1;
        Spy walkSpy([&](QObject* o, QEvent* e) {
            if (e->type() != QEvent::Move) return;
            if (o == b->Picptr && pointerMoved < 0) pointerMoved = clock.elapsed();
            if (o != b->plr[0]) return;
            const QPoint c = b->plr[0]->geometry().center();
            for (int n = 1; n <= 100; ++n) {
                if (squareRect(n).contains(c) && (steps.empty() || steps.back().first != n)) {
                    steps.push_back({n, clock.elapsed()});
                }
            }
        });
        b->plr[0]->installEventFilter(&walkSpy);
        b->Picptr->installEventFilter(&walkSpy);

        const qint64 moved = clock.elapsed();
        QTest::mouseClick(b->cmdmove, Qt::LeftButton);
        QVERIFY(!b->cmdmove->isEnabled());
        QVERIFY(b->tmov->enabled());
        QTRY_VERIFY_WITH_TIMEOUT(b->cmdshuffle->isEnabled(), 8000);

        QCOMPARE(steps.size(), std::size_t{3});
        qint64 last = moved;
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(steps[i].first, i + 1);
            const qint64 gap = steps[i].second - last;
            QVERIFY2(gap >= 200 && gap <= 800,
                     qPrintable(QStringLiteral("step gap %1 ms").arg(gap)));
            last = steps[i].second;
        }
        const qint64 landing = pointerMoved - last;
        QVERIFY2(landing >= 200 && landing <= 800,
                 qPrintable(QStringLiteral("landing after %1 ms").arg(landing)));

        // On square 3, centred, in its colour; the turn is the second player's.
        const QPoint off = b->plr[0]->geometry().center() - squareRect(3).center();
        QVERIFY2(std::abs(off.x()) <= 1 && std::abs(off.y()) <= 1, "token centred on its square");
        QCOMPARE(b->plr[0]->palette().color(QPalette::Window), bgrColor(colourOf(3)));
        QCOMPARE(int{form_->state().pos[0]}, 4);
        QCOMPARE(int{form_->state().turn}, 1);
        QCOMPARE(int{form_->state().scr}, 0);
        QCOMPARE(b->Picptr->y(), b->pictrn[1]->y());
        QCOMPARE(b->Strn->pos(), b->plr[1]->pos());
        QVERIFY(b->Strn->isVisible());
        QVERIFY(b->plr[1]->isVisible());
        QVERIFY(!b->tmov->enabled());
        QVERIFY(!b->cmdmove->isEnabled());
        QCOMPARE(b->focusWidget(), b->cmdshuffle);
        QCOMPARE(b->lscr->text(), QStringLiteral(" 3"));  // the roll stays shown
        QVERIFY(b->f->faceVisible(3));
        QVERIFY(answer_.shown.empty());
    }

    // With the real message box: while it is open, clicks on the board reach nothing, the
    // walk's tick stays unfinished until it is dismissed, and the game goes on from where it stood.
    void messageBoxHoldsTheBoard() {
        answer_.boxes = TestShell::Boxes::kAnsweredThenShown;
        die_.push({6, 1});  // a six, then one: seven squares, onto the ladder at 7
        auto* b = open();
        QVERIFY(b);
        QPointer<ui::Form1Window> board(b);

        struct Seen {
            QString title, text;
            QMessageBox::Icon icon;
            qsizetype buttons;
            bool boardLoaded;
            bool moveEnabled;
            bool ladderShown;
            bool turnPending;  // the tick that opened the box has not passed the turn yet
            bool onStage;
        };
        std::vector<Seen> seen;
        bool afterLucky = false;  // "Move" waits for the extra throw
        bool busy = false;
        QTimer poll;
        poll.setInterval(10);
        connect(&poll, &QTimer::timeout, this, [&] {
            if (busy) return;
            ui::MessageCard* box = answer_.stage().openBox();
            if (!box) return;
            // A card on the stage, not a window of its own.
            const bool onStage = !box->isWindow() && QApplication::topLevelWidgets().size() == 1;
            busy = true;
            if (board && form_->loaded()) clickThroughWindow(board->Cmdexit);
            if (board && form_->loaded()) clickThroughWindow(board->cmdshuffle);
            QTest::qWait(seen.empty() ? 100 : 700);  // the walk's ticks keep falling due
            const bool loaded = board && form_->loaded();
            seen.push_back({box->windowTitle(), box->text(), box->shownIcon(),
                            box->buttons().size(), loaded, loaded && board->cmdmove->isEnabled(),
                            loaded && board->ldr[0]->isVisible(),
                            loaded && form_->state().turn == 0, onStage});
            box->ok()->click();
            busy = false;
        });
        poll.start();
        // The extra throw's first animation tick, after the box: "Move" is off meanwhile.
        bool afterLuckySeen = false;
        b->tdie->onTick([&] {
            if (seen.size() != 1 || afterLuckySeen) return;
            afterLuckySeen = true;
            afterLucky = !b->cmdmove->isEnabled() && b->tdie->enabled();
        });

        clickThroughWindow(b->cmdshuffle);
        QTRY_VERIFY_WITH_TIMEOUT(!seen.empty(), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(board && b->cmdmove->isEnabled() && !b->tdie->enabled(), 5000);
        QVERIFY(afterLuckySeen);
        QVERIFY(afterLucky);
        QCOMPARE(b->lscr->text(), QStringLiteral(" 7"));
        clickThroughWindow(b->cmdmove);
        QVERIFY(b->tmov->enabled());
        QTRY_VERIFY_WITH_TIMEOUT(seen.size() == 2 && board && b->cmdshuffle->isEnabled(), 10000);
        poll.stop();

        QCOMPARE(seen[0].title, QStringLiteral("LUCKY HAND"));
        QCOMPARE(seen[0].text, QStringLiteral("You won one more chance..."));
        QCOMPARE(seen[0].icon, QMessageBox::Warning);
        QCOMPARE(seen[0].buttons, qsizetype{1});
        QVERIFY(seen[0].onStage && seen[1].onStage);
        QVERIFY2(seen[0].boardLoaded, "Cancel was pressed through the box");
        QVERIFY(seen[0].moveEnabled);
        QCOMPARE(seen[1].title, QStringLiteral("MOVE UP"));
        QCOMPARE(seen[1].text, QStringLiteral("wow! it's luck "));
        QCOMPARE(seen[1].icon, QMessageBox::Information);
        QVERIFY2(seen[1].boardLoaded, "Cancel was pressed through the box");
        QVERIFY2(seen[1].ladderShown, "the ladder's line shows while its message is open");
        QVERIFY(seen[1].turnPending);
        QCOMPARE(frmendShown_, 0);

        // Seven squares and the ladder: square 26, once. A tick handled again under the box
        // would have passed the turn twice, back to the first player.
        QCOMPARE(int{form_->state().pos[0]}, 27);
        QCOMPARE(int{form_->state().turn}, 1);
        QVERIFY(b->ldr[0]->isHidden());
        QVERIFY(!b->tmov->enabled());
        QTest::qWait(700);
        QCOMPARE(int{form_->state().pos[0]}, 27);
        QCOMPARE(int{form_->state().turn}, 1);
        QCOMPARE(b->Picptr->y(), b->pictrn[1]->y());

        // With no box open the same click through the window does reach "Cancel".
        clickThroughWindow(b->Cmdexit);
        QVERIFY(!form_->loaded());
        QCOMPARE(frmendShown_, 1);
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
