// The control kinds on their own: what no window should have to get right again.
#include <QLineEdit>
#include <QScreen>
#include <QTest>

#include "BoardRules.h"
#include "Button.h"
#include "Form1.h"
#include "Form1Window.h"
#include "Inputs.h"
#include "Label.h"
#include "Stage.h"
#include "UiSupport.h"
#include "Window.h"

using namespace kivo;
using namespace kivo::ui;
using namespace kivo::uitest;

class ControlsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { setUpApplication(); }
    void cleanup() {
        answer_.reset();
        flushDeletes();
    }

    // Keys typed fast can reach a button after its box has closed but before the handler that
    // opened the box goes on; the button must not act then.
    void buttonsWaitForTheBoxToClose() {
        struct Bare : WindowOf<FormWindow> {
            using WindowOf::WindowOf;
            FormWindow* load() override {
                return new FormWindow(*this, {"", 1000, 1000, 0x00404080, "Kivo"});
            }
        } window(answer_);
        window.Show();
        Button b(window.screen(),
                 {{0, 0, 975, 615}, "Move", {"Tempus Sans ITC", 12}, 0x404040, 0xF0F0F0, 0});
        int clicks = 0;
        window.screen()->onClick(&b, [&] { ++clicks; });
        bool openWhileShown = false;
        answer_.onOpen = [&](const Shown&) {
            openWhileShown = answer_.messageBoxOpen();
            b.click();
        };
        answer_.messageBox(QStringLiteral("You won one more chance..."), 48,
                           QStringLiteral("LUCKY HAND"));
        QVERIFY(openWhileShown);
        QCOMPARE(clicks, 0);
        QVERIFY(!answer_.messageBoxOpen());
        b.click();
        QCOMPARE(clicks, 1);
    }

    // A box is a card in front of the stage at its scale: centred on it, with the keyboard on
    // "OK", and modal as a platform box is. A click or key meant for the card beneath does
    // nothing there and gives the keyboard back to the box; Tab stays in it; Return, Space and
    // Escape dismiss it, and the keyboard goes back where it was.
    void aBoxHoldsTheKeyboardAndTheMouse_data() {
        QTest::addColumn<int>("side");  // of the stage, which sets the scale
        QTest::addColumn<int>("key");   // the one that dismisses the box
        QTest::newRow("scale 1, Return") << 600 << int{Qt::Key_Return};
        QTest::newRow("scale 2, Escape") << 1200 << int{Qt::Key_Escape};
        QTest::newRow("scale 1, Space") << 600 << int{Qt::Key_Space};
    }
    void aBoxHoldsTheKeyboardAndTheMouse() {
        QFETCH(int, side);
        QFETCH(int, key);
        Stage& stage = answer_.stage();
        stage.setGeometry(0, 0, side * 790 / 600, side);
        struct Bare : WindowOf<FormWindow> {
            using WindowOf::WindowOf;
            FormWindow* load() override {
                return new FormWindow(*this, {"", 3000, 3000, 0x00404080, "Kivo"});
            }
        } window(answer_);
        window.Show();
        Button b(window.screen(),
                 {{0, 0, 975, 615}, "Move", {"Tempus Sans ITC", 12}, 0x404040, 0xF0F0F0, 0});
        b.show();
        int clicks = 0;
        window.screen()->onClick(&b, [&] { ++clicks; });
        QVERIFY(QTest::qWaitForWindowActive(&stage));
        b.setFocus();
        answer_.boxes = TestShell::Boxes::kAnsweredThenShown;
        QWindow* handle = stage.windowHandle();
        struct {
            QRect box;
            bool okFocused = false, clickBeneathRefused = false, tabStayed = false,
                 keyBeneathRefused = false;
        } seen;
        QTimer player;
        connect(&player, &QTimer::timeout, this, [&] {
            MessageCard* box = stage.openBox();
            if (!box || !seen.box.isNull()) return;
            seen.box = QRect(box->mapTo(&stage, QPoint()), box->size());
            seen.okFocused = QApplication::focusWidget() == box->ok();
            clickThroughWindow(&b);
            seen.clickBeneathRefused = clicks == 0 && QApplication::focusWidget() == box->ok();
            seen.tabStayed = true;
            for (Qt::Key tab : {Qt::Key_Tab, Qt::Key_Backtab}) {  // looked at before the release
                QTest::keyPress(handle, tab);
                seen.tabStayed = seen.tabStayed && QApplication::focusWidget() == box->ok();
                QTest::keyRelease(handle, tab);
            }
            b.setFocus();  // as if something had taken it: the key still reaches nothing here
            QTest::keyClick(handle, Qt::Key_Space);
            seen.keyBeneathRefused =
                clicks == 0 && stage.openBox() == box && QApplication::focusWidget() == box->ok();
            QTest::keyClick(handle, static_cast<Qt::Key>(key));
        });
        player.start(10);
        QTimer::singleShot(5000, this, [&] {  // fails rather than hangs
            if (MessageCard* box = stage.openBox()) box->ok()->click();
        });
        answer_.messageBox(QStringLiteral("Enter name for player1"), 64,
                           QStringLiteral("EMPTY NAME"));
        QVERIFY(!stage.openBox());
        QVERIFY(seen.okFocused);
        QVERIFY(seen.clickBeneathRefused);
        QVERIFY(seen.tabStayed);
        QVERIFY(seen.keyBeneathRefused);
        QCOMPARE(clicks, 0);
        QCOMPARE(QApplication::focusWidget(), &b);
        const QPoint off = seen.box.center() - stage.rect().center();
        QVERIFY2(std::abs(off.x()) <= 1 && std::abs(off.y()) <= 1, "centred on the stage");
        // At the stage's scale: a box twice as tall on a stage twice as tall.
        const int tall = seen.box.height() * 600 / side;
        QVERIFY2(tall > 60 && tall < 140, qPrintable(QString::number(seen.box.height())));
        stage.setGeometry(stage.screen()->geometry());
    }

    // "Move" pressed while the six's box is still on its way out must not start a walk under
    // the extra throw: after the box only the die runs.
    void sixThenMoveDuringItsBox() {
        ScriptedDie die;
        die.push({6, 3});
        Form1 form(
            answer_, [] { return SetupChoice{}; }, [] {}, &die);
        form.Show();
        Form1Window* board = form.screen();
        answer_.onOpen = [&](const Shown& s) {
            if (s.title == QLatin1String("LUCKY HAND")) board->cmdmove->click();
        };
        board->cmdshuffle->click();
        QTRY_VERIFY_WITH_TIMEOUT(board->cmdmove->isEnabled(), 5000);  // the extra throw is in
        QCOMPARE(form.state().scr, 9);
        QVERIFY(!board->tmov->enabled());
        QCOMPARE(form.state().pos[0], 1);
        form.Unload();
    }

    // Twips to pixels at a scale: edges are rounded, so controls that meet in twips meet in
    // pixels, and none overlaps or leaves a gap, at any scale.
    void twipsToPixels_data() {
        QTest::addColumn<double>("scale");
        QTest::addColumn<QRect>("square1");  // Lpos(0): 3480, 8160, 795 x 750 twips
        QTest::newRow("1") << 1.0 << QRect(232, 544, 53, 50);
        QTest::newRow("1.5") << 1.5 << QRect(348, 816, 80, 75);
        QTest::newRow("2") << 2.0 << QRect(464, 1088, 106, 100);
        QTest::newRow("1280 x 800") << 800.0 / 600.0 << QRect(309, 725, 71, 67);
        QTest::newRow("3840 x 2160") << 2160.0 / 600.0 << QRect(835, 1958, 191, 180);
    }

    void twipsToPixels() {
        QFETCH(double, scale);
        QFETCH(QRect, square1);
        QCOMPARE(toPixels({3480, 8160, 795, 750}, scale), square1);
        // A row of squares and the gaps between them, edge to edge across the board.
        int right = px(3480, scale);
        for (float left = 3480; left < 11880; left += 840) {
            const QRect sq = toPixels({left, 0, 795, 750}, scale);
            const QRect gap = toPixels({left + 795, 0, 45, 750}, scale);
            QCOMPARE(sq.left(), right);
            QCOMPARE(gap.left(), sq.right() + 1);
            right = gap.right() + 1;
        }
        QCOMPARE(right, px(3480 + 840 * 10, scale));
    }

    void textBoxLimits() {
        QWidget window;
        TextBox limited(
            &window, {{0, 0, 1335, 375}, "Player 1", 10, {"Tempus Sans ITC", 9.75f}, 0xC0C0C0, 0});
        TextBox open(&window,
                     {{0, 0, 1335, 375}, "Player 2", 0, {"Tempus Sans ITC", 9.75f}, 0xC0C0C0, 1});
        QCOMPARE(limited.maxLength(), 10);
        open.setText(QString(50000, QLatin1Char('x')));
        QCOMPARE(open.text().size(), 50000);
    }

    // A label shows every control character as its symbol, so one line shows all of a name;
    // from the space on, what was typed shows as typed.
    void labelsShowControlCharacters() {
        for (char16_t u = 0; u < 0x3000; ++u) {
            char16_t shown = u;
            if (u < 0x20) shown = static_cast<char16_t>(0x2400 + u);
            if (u == 0x7F) shown = 0x2421;
            if (u == 0x85 || u == 0x2028 || u == 0x2029) shown = 0x2424;
            QVERIFY2(shownText(QString(QChar(u))) == QString(QChar(shown)),
                     qPrintable(QString::number(u, 16)));
        }
        QWidget window;
        Label label(
            &window,
            {{0, 0, 1635, 360},
             "",
             {0, 0xFFFFFF, true, {"MS Sans Serif", 8.25f}, layout::Align::Left, false, false}});
        label.setCaption(QString::fromUtf16(u"a\x1F b\n", 5));
        QCOMPARE(label.text(), QString::fromUtf16(u"a\u241F b\u240A"));
        QCOMPARE(label.caption(), QString::fromUtf16(u"a\x1F b\n", 5));
    }

private:
    TestShell answer_;
};

QTEST_MAIN(ControlsTest)
#include "controls_test.moc"
