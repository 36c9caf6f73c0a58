// What a player with a screen reader hears: every control that can be reached or read has a
// name, the keyboard reaches the buttons in the layout's order, and the names follow the game.
#include <QAccessible>
#include <QTest>

#include "Form1Window.h"
#include "Form2Window.h"
#include "Notice.h"
#include "Stage.h"
#include "UiSupport.h"
#include "Windows.h"

using namespace kivo;
using namespace kivo::uitest;
using namespace Qt::StringLiterals;

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

QAccessible::Role roleOf(QWidget* w) {
    return QAccessible::queryAccessibleInterface(w)->role();
}

// What a screen reader is told, as it reads it in its own process once the events in hand are
// handled: the name of each control the focus arrives at (passed over where it is told the
// control is not focused), and the text of each notice shown.
class Reader : public QObject {
public:
    explicit Reader(ui::Notice& notice) : notice_(notice) {
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
            if (now && QAccessible::queryAccessibleInterface(now)->state().focused) {
                focused_.push_back(now);
            }
        });
        notice.installEventFilter(this);
    }
    // What was told since the last time it read, read now: names as they are now, a notice as
    // it was when it showed.
    void read() {
        QCoreApplication::processEvents();  // notices show once the events in hand are done
        readFocus();
    }
    QStringList heard() {
        read();
        return std::exchange(heard_, {});
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Show) {
            readFocus();
            heard_ << u"notice: "_s + notice_.text();
        }
        return false;
    }

private:
    void readFocus() {
        for (const QPointer<QWidget>& w : focused_) {
            if (w) heard_ << nameOf(w);
        }
        focused_.clear();
    }

    ui::Notice& notice_;
    std::vector<QPointer<QWidget>> focused_;
    QStringList heard_;
};

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
        reader_ = nullptr;
        windows_.reset();
        flushDeletes();
    }

    void everyWindowNamesItsControlsAndTabsInOrder() {
        windows_->start();
        QWidget* splash = windows_->flogo().window();
        for (QWidget* w : splash->findChildren<QWidget*>()) {  // every label and the icon
            const bool passedOver = QAccessible::queryAccessibleInterface(w)->state().invisible;
            if (w->children().isEmpty() && !passedOver) QVERIFY(!nameOf(w).isEmpty());
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

    // Squares, the die, the roll and the winners, named for a reader looking round the board.
    void boardNamesFollowTheGame() {
        ui::Form1Window* board = boardFor({"Ann", "Bob"});
        QCOMPARE(nameOf(board->Lpos[45]), QStringLiteral("46: snake down to 17"));
        QCOMPARE(nameOf(board->Lpos[6]), QStringLiteral("7: ladder up to 26"));
        QCOMPARE(nameOf(board->Lpos[11]), QStringLiteral("12"));
        QCOMPARE(roleOf(board->Lpos[11]), QAccessible::Graphic);  // not among the card's texts
        QCOMPARE(nameOf(board->lscr), QStringLiteral("Roll: not thrown yet"));
        QCOMPARE(nameOf(board->plr[0]), QStringLiteral("Ann at the start"));
        QVERIFY(QAccessible::queryAccessibleInterface(board->f)->state().invisible);

        play({4});
        QCOMPARE(nameOf(board->lscr), QStringLiteral("Roll total: 4"));
        QCOMPARE(nameOf(board->f), QStringLiteral("Die: 4"));
        QCOMPARE(nameOf(board->plr[0]), QStringLiteral("Ann on square 4"));
        QCOMPARE(nameOf(board->plr[1]), QStringLiteral("Bob at the start"));
        QCOMPARE(nameOf(board->Picptr), QStringLiteral("Bob's turn"));

        placeAt(1, 97);
        play({3});  // Bob is first
        QCOMPARE(nameOf(board->lwnr[0]), QStringLiteral("Place 1: Bob"));
    }

    // A whole game as a reader hears it: each throw on "Move" as the focus comes back to it,
    // each walk and the next turn on "Shuffle", the rest in notices, once each; nothing while
    // the die rolls or the token walks. Then a game cancelled on Bob's turn, and a new one
    // for three, which Player 1 begins.
    void whatAReaderIsTold() {
        Reader reader(answer_.stage().notice());
        reader_ = &reader;
        ui::Form1Window* board = boardFor({"Ann", "Bob"});
        QCOMPARE(reader.heard(), (QStringList{"Kivo", "Two", "Name of player 1", "Shuffle",
                                              "notice: Ann's turn, at the start."}));

        play({4});
        QCOMPARE(reader.heard(),
                 (QStringList{"Move, Ann rolled 4",
                              "Shuffle, Ann walked from the start to 4. Bob's turn, "
                              "at the start."}));
        play({6, 1});  // a six, one more throw, and the ladder at 7
        // "Move" takes the focus before the six's box takes it away: the box and its notice
        // tell the six, "Move" the whole throw when it comes back.
        QCOMPARE(reader.heard(),
                 (QStringList{
                     "Move", "notice: Bob rolled 6 and throws again.",
                     "Move, Bob rolled 6 and 1: 7", "notice: Bob climbs the ladder from 7 to 26.",
                     "Shuffle, Bob walked from the start to 7. Ann's turn, on square 4."}));
        placeAt(0, 22);
        play({4});  // onto Bob
        QCOMPARE(reader.heard(),
                 (QStringList{"Move, Ann rolled 4", "notice: Bob, on 26, goes back to the start.",
                              "Shuffle, Ann walked from 22 to 26. Bob's turn, at the start."}));
        placeAt(1, 43);
        play({3});
        QCOMPARE(
            reader.heard(),
            (QStringList{"Move, Bob rolled 3", "notice: Bob slides down the snake from 46 to 17.",
                         "Shuffle, Bob walked from 43 to 46. Ann's turn, on square 26."}));
        placeAt(0, 98);
        play({2});
        QCOMPARE(reader.heard(),
                 (QStringList{"Move, Ann rolled 2", "notice: Ann reached 100: first winner.",
                              "notice: Game over: Ann first; Bob last."}));

        // A game cancelled on Bob's turn, Restart, three players: the new game's first turn.
        windows_.reset();
        flushDeletes();
        board = boardFor({"Ann", "Bob"});
        play({4});
        board->Cmdexit->click();
        windows_->frmend().Command3_Click();
        windows_->Form2().screen()->Op3->setChecked(true);
        windows_->Form2().Command1_Click();
        reader.heard();
        windows_->Form2().cmdgo_Click();
        QCOMPARE(reader.heard(),
                 (QStringList{"Shuffle", "notice: Player 1's turn, at the start."}));
    }

    // Three winners in a game for four: each told their place as they reach 100, then the
    // whole order and the one left last.
    void threeWinnersAreToldInOrder() {
        boardFor({"Ann", "Bob", "Cid", "Dan"});
        Reader reader(answer_.stage().notice());
        reader_ = &reader;
        reader.heard();
        placeAt(0, 98);
        play({2});
        QCOMPARE(reader.heard(),
                 (QStringList{"Move, Ann rolled 2", "notice: Ann reached 100: first winner.",
                              "Shuffle, Bob's turn, at the start."}));
        placeAt(windows_->Form1().state().turn, 97);
        play({3});
        QCOMPARE(reader.heard(),
                 (QStringList{"Move, Bob rolled 3", "notice: Bob reached 100: second winner.",
                              "Shuffle, Cid's turn, at the start."}));
        placeAt(windows_->Form1().state().turn, 96);
        play({4});
        QCOMPARE(reader.heard(),
                 (QStringList{"Move, Cid rolled 4", "notice: Cid reached 100: third winner.",
                              "notice: Game over: Ann first, Bob second, Cid third; Dan last."}));
        QCOMPARE(nameOf(windows_->Form1().screen()->lwnr[2]), QStringLiteral("Place 3: Cid"));
    }

    // Names are said as typed: a "%1" in one is not a place for a number, a NUL is said as its
    // symbol, as the board shows it, and cuts nothing off.
    void namesAreSaidAsTyped() {
        ui::Form1Window* board = boardFor({"%1 & %2", QString::fromUtf16(u"x\0y", 3)});
        QVERIFY(QTest::qWaitForWindowActive(board));
        Reader reader(answer_.stage().notice());
        reader_ = &reader;
        play({4});
        QCOMPARE(
            reader.heard(),
            (QStringList{
                "notice: %1 & %2's turn, at the start.", "Move, %1 & %2 rolled 4",
                u"Shuffle, %1 & %2 walked from the start to 4. x\u2400y's turn, at the start."_s}));
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

    // The real box, read as a screen reader reads it: an alert named by its title, its text
    // not said again. Whatever goes wrong, the box is dismissed within seconds, so the test
    // fails rather than hangs.
    void messageBoxesAreNamedByTheirText() {
        answer_.boxes = TestShell::Boxes::kAnsweredThenShown;
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
    // A fresh program taken to the board for these players.
    ui::Form1Window* boardFor(const QStringList& players) {
        windows_ = std::make_unique<app::Windows>(answer_);
        windows_->setDie(&die_);
        windows_->start();
        if (!QTest::qWaitForWindowActive(windows_->flogo().window())) return nullptr;
        windows_->flogo().leave();
        ui::Form2& setup = windows_->Form2();
        ui::Form2Window* form = setup.screen();
        (players.size() == 4   ? form->Op4
         : players.size() == 3 ? form->Op3
                               : form->Op2)
            ->setChecked(true);
        setup.Command1_Click();
        ui::TextBox* const boxes[] = {form->Tp1, form->Tp2, form->Tp3, form->Tp4};
        for (qsizetype i = 0; i < players.size(); ++i) boxes[i]->setText(players[i]);
        setup.cmdgo_Click();
        return windows_->Form1().screen();
    }
    BoardRules& rules() { return *windows_->Form1().rules(); }
    // A token put straight onto a square.
    void placeAt(int slot, int square) {
        windows_->Form1().state().pos[slot] = static_cast<Small>(square + 1);
        rules().placeToken(slot, square);
    }
    // A whole turn with these throws, a reader catching up after every handler.
    void play(std::initializer_list<int> throws) {
        die_.push(throws);
        playByHandlers(*windows_, [this] {
            if (reader_) reader_->read();
        });
    }

    TestShell answer_;
    ScriptedDie die_;
    std::unique_ptr<app::Windows> windows_;
    Reader* reader_ = nullptr;
};

QTEST_MAIN(AccessTest)
#include "access_test.moc"
