// What a player with a screen reader hears: every control that can be reached or read has a
// name, the keyboard reaches the buttons in the layout's order, and the names follow the game.
#include <QAccessible>
#include <QTest>

#include "Form1Window.h"
#include "Form2Window.h"
#include "Stage.h"
#include "UiSupport.h"
#include "Windows.h"

using namespace kivo;
using namespace kivo::uitest;

namespace {

QString nameOf(QWidget* w) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a ? a->text(QAccessible::Name) : QString();
}

// The focusable controls of a window in the order Tab visits them, from the first one.
QList<QWidget*> tabOrder(QWidget* first) {
    QList<QWidget*> out;
    QWidget* w = first;
    do {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(first->window())) out << w;
        w = w->nextInFocusChain();
    } while (w != first && out.size() < 50);
    return out;
}

QString descriptionOf(QWidget* w) {
    return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description);
}

QAccessible::Role roleOf(QWidget* w) {
    return QAccessible::queryAccessibleInterface(w)->role();
}

// Shuffle, the die's ticks, the throw; a six's extra throw comes with it.
void roll(BoardRules& rules, ui::Form1Window* board) {
    rules.cmdshuffle_Click();
    while (board->tdie->enabled()) rules.tdie_Timer();
}

// Move, and the walk's ticks until the turn has passed.
void walk(BoardRules& rules, ui::Form1Window* board) {
    rules.cmdmove_Click();
    while (board->tmov->enabled() && !rules.ended()) rules.tmov_Timer();
}

QStringList names(const QList<QWidget*>& widgets) {
    QStringList out;
    for (QWidget* w : widgets) out << nameOf(w);
    return out;
}

}  // namespace

class AccessTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { setUpApplication(); }
    void init() {
        answer_.reset();
        windows_ = std::make_unique<app::Windows>(answer_);
        windows_->setDie(&die_);
    }
    void cleanup() {
        windows_.reset();
        flushDeletes();
    }

    void everyWindowNamesItsControlsAndTabsInOrder() {
        windows_->start();
        QWidget* splash = windows_->flogo().window();
        for (QWidget* w : splash->findChildren<QWidget*>()) {
            if (w->children().isEmpty()) QVERIFY(!nameOf(w).isEmpty());  // every label and the icon
        }
        windows_->flogo().leave();

        ui::Form2& setup = windows_->Form2();
        setup.Command1_Click();
        QCOMPARE(names(tabOrder(setup.screen()->Op2)),
                 (QStringList{"Two", "Ok", "Name of player 1", "Name of player 2",
                              "Name of player 3", "Name of player 4", "GO", "Reset"}));
        setup.cmdgo_Click();

        ui::Form1Window* board = windows_->Form1().screen();
        QCOMPARE(names(tabOrder(board->cmdshuffle)), (QStringList{"Shuffle", "Move", "Cancel"}));
        board->Cmdexit->click();

        QWidget* end = windows_->frmend().window();
        QCOMPARE(names(tabOrder(windows_->frmend().screen()->Command3)),
                 (QStringList{"Restart", "Exit"}));
        for (QWidget* w : end->findChildren<QWidget*>()) {
            if (w->focusPolicy() & Qt::TabFocus) QVERIFY(!nameOf(w).isEmpty());
        }
    }

    void boardNamesFollowTheGame() {
        windows_->start();
        windows_->flogo().leave();
        windows_->Form2().screen()->Tp1->setText(QStringLiteral("Ann"));
        windows_->Form2().Command1_Click();
        windows_->Form2().cmdgo_Click();
        ui::Form1Window* board = windows_->Form1().screen();

        QCOMPARE(nameOf(board->Lpos[45]), QStringLiteral("46: snake down to 17"));
        QCOMPARE(nameOf(board->Lpos[6]), QStringLiteral("7: ladder up to 26"));
        QCOMPARE(nameOf(board->Lpos[11]), QStringLiteral("12"));
        QCOMPARE(nameOf(board->lscr), QStringLiteral("Roll: not thrown yet"));
        QCOMPARE(nameOf(board->plr[0]), QStringLiteral("Ann at the start"));

        // Ann throws a 4 and walks it.
        die_.push({4});
        BoardRules& rules = board->rules();
        rules.cmdshuffle_Click();
        for (int i = 0; i < 11; ++i) rules.tdie_Timer();
        QCOMPARE(nameOf(board->lscr), QStringLiteral("Roll total: 4"));
        QCOMPARE(nameOf(board->f[4]), QStringLiteral("Die: 4"));
        QVERIFY(board->f[4]->isVisibleTo(board));
        rules.cmdmove_Click();
        for (int i = 0; i < 5; ++i) rules.tmov_Timer();
        QCOMPARE(nameOf(board->plr[0]), QStringLiteral("Ann on square 4"));
        QCOMPARE(nameOf(board->plr[1]), QStringLiteral("Player 2 at the start"));

        // From square 97 a 3 finishes: Ann is first.
        windows_->Form1().state().pos[1] = 98;
        die_.push({3});
        rules.cmdshuffle_Click();
        for (int i = 0; i < 11; ++i) rules.tdie_Timer();
        rules.cmdmove_Click();
        for (int i = 0; i < 3; ++i) rules.tmov_Timer();
        QCOMPARE(nameOf(board->lwnr[0]), QStringLiteral("Place 1: Player 2"));
    }

    // The desktop and a screen reader know every window as Kivo; the set-up's frames are named
    // groups, and nothing reads out a design caption.
    void windowsAndGroupsAreNamed() {
        windows_->start();
        ui::Stage& stage = answer_.stage();
        QCOMPARE(stage.windowTitle(), QStringLiteral("Kivo"));
        QCOMPARE(roleOf(&stage), QAccessible::Window);
        QCOMPARE(nameOf(&stage), QStringLiteral("Kivo"));
        QCOMPARE(roleOf(windows_->flogo().window()), QAccessible::Dialog);
        QCOMPARE(nameOf(windows_->flogo().window()), QStringLiteral("Kivo"));
        windows_->flogo().leave();

        ui::Form2Window* setup = windows_->Form2().screen();
        QCOMPARE(nameOf(setup), QStringLiteral("Kivo: players"));
        QCOMPARE(roleOf(setup->Frame1), QAccessible::Grouping);
        QCOMPARE(nameOf(setup->Frame1), QStringLiteral("No of Players"));
        QCOMPARE(nameOf(setup->Frame2), QStringLiteral("Names"));
        windows_->Form2().Command1_Click();
        windows_->Form2().cmdgo_Click();

        ui::Form1Window* board = windows_->Form1().screen();
        QCOMPARE(nameOf(board), QStringLiteral("Kivo: board"));
        QCOMPARE(nameOf(board->Picptr), QStringLiteral("Player 1's turn"));
        QCOMPARE(nameOf(board->lwnr[1]), QStringLiteral("Place 2: nobody yet"));
        QCOMPARE(roleOf(board->plr[0]), QAccessible::Graphic);  // a token, by its player
        QVERIFY(!QAccessible::queryAccessibleInterface(board->plr[0])->state().invisible);
        QVERIFY(QAccessible::queryAccessibleInterface(board->imsnk[0])->state().invisible);
        board->Cmdexit->click();
        QCOMPARE(nameOf(windows_->frmend().window()), QStringLiteral("Kivo: restart or exit"));
    }

    // After a throw "Move" says who rolled what, after a walk "Shuffle" says how it ended and
    // whose turn it is, and every box says whom it concerns.
    void boardTellsWhatHappened() {
        windows_->start();
        windows_->flogo().leave();
        windows_->Form2().screen()->Tp1->setText(QStringLiteral("Ann"));
        windows_->Form2().screen()->Tp2->setText(QStringLiteral("Bob"));
        windows_->Form2().Command1_Click();
        windows_->Form2().cmdgo_Click();
        ui::Form1Window* board = windows_->Form1().screen();
        BoardRules& rules = board->rules();
        BoardState& state = windows_->Form1().state();
        // A token put straight onto a square, and a whole turn: the throws and the walk.
        auto placeAt = [&](int slot, int square) {
            state.pos[slot] = static_cast<Small>(square + 1);
            rules.placeToken(slot, square);
        };
        auto play = [&](std::initializer_list<int> throws) {
            die_.push(throws);
            roll(rules, board);
            walk(rules, board);
        };

        die_.push({4});
        roll(rules, board);
        QCOMPARE(descriptionOf(board->cmdmove), QStringLiteral("Ann rolled 4"));
        walk(rules, board);
        QCOMPARE(descriptionOf(board->cmdshuffle),
                 QStringLiteral("Ann moved to 4. Bob's turn, at the start."));
        QCOMPARE(nameOf(board->Picptr), QStringLiteral("Bob's turn"));

        // A six, one more throw, and the ladder at 7.
        die_.push({6, 1});
        roll(rules, board);
        QCOMPARE(descriptionOf(board->cmdmove), QStringLiteral("Bob rolled 6 and 1: 7"));
        walk(rules, board);
        QCOMPARE(descriptionOf(board->cmdshuffle),
                 QStringLiteral("Bob moved to 26 up the ladder from 7. Ann's turn, on square 4."));

        // From 22, Ann lands on Bob.
        placeAt(0, 22);
        play({4});
        QCOMPARE(descriptionOf(board->cmdshuffle),
                 QStringLiteral("Ann moved to 26. Bob went back to the start. Bob's turn, at "
                                "the start."));

        // From 43, Bob meets the snake at 46.
        placeAt(1, 43);
        play({3});
        QCOMPARE(descriptionOf(board->cmdshuffle),
                 QStringLiteral("Bob moved to 17 down the snake from 46. Ann's turn, on square "
                                "26."));

        // Ann finishes from 98; with two players the game is over.
        placeAt(0, 98);
        play({2});

        QStringList about;
        for (const Shown& s : answer_.shown) about << s.about;
        QCOMPARE(about, (QStringList{"Bob throws again", "Bob climbs from 7 to 26",
                                     "Bob goes back to the start", "Bob slides from 46 to 17",
                                     "Ann", "Ann first; Bob last"}));
    }

    // The real box, read as a screen reader reads it: an alert named by its title, its text
    // not said again. Whatever goes wrong, the box is dismissed within seconds, so the test
    // fails rather than hangs.
    void messageBoxesAreNamedByTheirText() {
        answer_.realBoxes = true;
        QString name, description;
        QAccessible::Role role = QAccessible::NoRole;
        QTimer reader;
        connect(&reader, &QTimer::timeout, this, [&] {
            ui::MessageCard* box = answer_.stage().openBox();
            if (!box) return;
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(box);
            name = a->text(QAccessible::Name);
            description = a->text(QAccessible::Description);
            role = a->role();
            box->ok()->click();
        });
        reader.start(10);
        QTimer::singleShot(5000, this, [this] {
            if (ui::MessageCard* box = answer_.stage().openBox()) box->ok()->click();
        });
        answer_.messageBox(QStringLiteral("wow! it's luck "), 64, QStringLiteral("MOVE UP"),
                           QStringLiteral("Ann climbs from 7 to 26"));
        QCOMPARE(role, QAccessible::AlertMessage);
        QCOMPARE(name, QStringLiteral("MOVE UP"));
        QCOMPARE(description, QStringLiteral("Ann climbs from 7 to 26"));
    }

private:
    TestShell answer_;
    ScriptedDie die_;
    std::unique_ptr<app::Windows> windows_;
};

QTEST_MAIN(AccessTest)
#include "access_test.moc"
