// The control kinds on their own: what no window should have to get right again.
#include <QLineEdit>
#include <QTest>

#include "BoardRules.h"
#include "Button.h"
#include "Form1.h"
#include "Form1Window.h"
#include "Inputs.h"
#include "MessageBox.h"
#include "Timer.h"
#include "UiSupport.h"

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
        answer_.install();
        QWidget window;
        Button b(&window, {0, 0, 975, 615}, QStringLiteral("Move"), QFont(), 0x404040, 0xF0F0F0);
        int clicks = 0;
        b.onClick([&] { ++clicks; });
        answer_.onOpen = [&](const Shown&) {
            QVERIFY(messageBoxOpen());
            b.click();
        };
        messageBox(QStringLiteral("You won one more chance..."), 48, QStringLiteral("LUCKY HAND"));
        QCOMPARE(clicks, 0);
        QVERIFY(!messageBoxOpen());
        b.click();
        QCOMPARE(clicks, 1);
    }

    // "Move" pressed while the six's box is still on its way out must not start a walk under
    // the extra throw: after the box only the die runs.
    void sixThenMoveDuringItsBox() {
        answer_.install();
        ScriptedDie die;
        die.push({6, 3});
        Form1 form([] { return SetupChoice{}; }, &die);
        form.Show();
        Form1Window* board = form.board();
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

    // The handler waits in a nested loop, as under a message box: the ticks that fall due
    // meanwhile are not handled, and once it turns itself off no queued tick is either.
    void timerNeverTicksWhileHandlingOrWhenOff() {
        int ticks = 0;
        Timer* timer = nullptr;
        Timer t(nullptr, 1, [&] {
            ++ticks;
            QTest::qWait(30);
            timer->setEnabled(false);
        });
        timer = &t;
        t.setEnabled(true);
        QTRY_COMPARE_WITH_TIMEOUT(ticks, 1, 2000);
        QTest::qWait(50);
        QCOMPARE(ticks, 1);
        QVERIFY(!t.enabled());
    }

    void textBoxLimits() {
        QWidget window;
        TextBox limited(&window, {0, 0, 1335, 375}, QStringLiteral("Player 1"), 10, QFont(), 0xC0C0C0);
        TextBox open(&window, {0, 0, 1335, 375}, QStringLiteral("Player 2"), 0, QFont(), 0xC0C0C0);
        QCOMPARE(limited.maxLength(), 10);
        open.setText(QString(50000, QLatin1Char('x')));
        QCOMPARE(open.text().size(), 50000);
    }

private:
    Answerer answer_;
};

QTEST_MAIN(ControlsTest)
#include "controls_test.moc"
