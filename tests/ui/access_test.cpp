// What a player with a screen reader hears: every control that can be reached or read has a
// name, the keyboard reaches the buttons in the layout's order, and the names follow the game.
#include <QAccessible>
#include <QMessageBox>
#include <QTest>

#include "Form1Window.h"
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

    // The real box, read as a screen reader reads the modal window in front. Whatever goes
    // wrong, the box is dismissed within seconds, so the test fails rather than hangs.
    void messageBoxesAreNamedByTheirText() {
        answer_.realBoxes = true;
        QString name, description;
        QTimer reader;
        connect(&reader, &QTimer::timeout, this, [&] {
            QWidget* box = QApplication::activeModalWidget();
            if (!box) return;
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(box);
            name = a->text(QAccessible::Name);
            description = a->text(QAccessible::Description);
            box->close();
        });
        reader.start(10);
        QTimer::singleShot(5000, this, [] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (qobject_cast<QMessageBox*>(w)) w->close();
            }
        });
        answer_.messageBox(QStringLiteral("Oh no! it's a snake"), 16, QStringLiteral("GO DOWN..."));
        QCOMPARE(name, QStringLiteral("GO DOWN..."));
        QCOMPARE(description, QStringLiteral("Oh no! it's a snake"));
    }

private:
    TestShell answer_;
    ScriptedDie die_;
    std::unique_ptr<app::Windows> windows_;
};

QTEST_MAIN(AccessTest)
#include "access_test.moc"
