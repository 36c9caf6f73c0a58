// The set-up window: its layout, the two stages "Ok" and "Reset" switch between, the empty-name
// check of "GO", and the name boxes' length limits.

#include "Form2.h"

#include <QLabel>
#include <QScreen>
#include <memory>

#include "UiSupport.h"

using namespace kivo;
using namespace kivo::uitest;

class Form2Test : public QObject {
    Q_OBJECT

private:
    ui::Form2& form() { return *form_; }
    ui::Form2Window& w() const { return *form_->screen(); }

    bool open() {
        if (!openAndWait(*form_)) return false;
        return QTest::qWaitForWindowActive(form_->window());
    }

    QLabel* labelWithText(const QString& text) const {
        for (auto* l : form_->window()->findChildren<QLabel*>()) {
            if (l->text() == text) return l;
        }
        return nullptr;
    }

    // A control by its name in the layout.
    QWidget* control(const QString& name) const {
        ui::Form2Window& f = w();
        const std::pair<const char*, QWidget*> named[] = {
            {"Frame1", f.Frame1}, {"Frame2", f.Frame2}, {"Op2", f.Op2},
            {"Op3", f.Op3},       {"Op4", f.Op4},       {"Command1", f.Command1},
            {"Tp1", f.Tp1},       {"Tp2", f.Tp2},       {"Tp3", f.Tp3},
            {"Tp4", f.Tp4},       {"cmdgo", f.cmdgo},   {"cmdreset", f.cmdreset}};
        for (const auto& [n, w] : named) {
            if (name == QLatin1String(n)) return w;
        }
        return nullptr;
    }

    ui::TextBox* box(int n) const {
        ui::TextBox* boxes[] = {w().Tp1, w().Tp2, w().Tp3, w().Tp4};
        return boxes[n - 1];
    }

    // The first stage, as the window opens and as "Reset" leaves it: "Two", the names frame and
    // its buttons hidden, and every name box locked, showing its name as in `name`.
    void expectFirstStage(const char* name) {
        QVERIFY(w().Op2->isChecked());
        QVERIFY(!w().Op3->isChecked() && !w().Op4->isChecked());
        QVERIFY(w().Frame1->isEnabled());
        QVERIFY(w().Frame2->isHidden());
        QVERIFY(w().cmdgo->isHidden());
        QVERIFY(w().cmdreset->isHidden());
        for (int n = 1; n <= 4; ++n) {
            QVERIFY(!box(n)->isEnabled());
            QCOMPARE(box(n)->text(), QString::fromLatin1(name).arg(n));
        }
    }

    // "Three", "Four" or "Two" clicked, then "Ok".
    void chooseAndConfirm(int players) {
        ui::OptionButton* option = players == 4 ? w().Op4 : players == 3 ? w().Op3 : w().Op2;
        QTest::mouseClick(option, Qt::LeftButton);
        QTest::mouseClick(w().Command1, Qt::LeftButton);
        QCoreApplication::processEvents();  // the queued Home, Shift+End
    }

    std::unique_ptr<ui::Form2> form_;
    TestShell answer_;
    int boardShown_ = 0;
    bool loadedWhileBoardLoads_ = false;
    SetupChoice readByBoard_;

private slots:
    void initTestCase() { setUpApplication(); }

    void init() {
        answer_.reset();
        boardShown_ = 0;
        loadedWhileBoardLoads_ = false;
        form_ = std::make_unique<ui::Form2>(answer_, [this] {
            ++boardShown_;
            loadedWhileBoardLoads_ = form_->loaded();
            if (loadedWhileBoardLoads_) readByBoard_ = form_->choice();
        });
    }

    void cleanup() {
        form_.reset();
        flushDeletes();
    }

    void theWindow() {
        QVERIFY(open());
        QWidget* w = form().window();
        QCOMPARE(w->windowTitle(), QString());
        QCOMPARE(w->size(), pxRect(0, 0, 5370, 5805).size());
        const QPoint off = w->geometry().center() - w->window()->rect().center();
        QVERIFY2(std::abs(off.x()) <= 1 && std::abs(off.y()) <= 1, "centred on the stage");
        QCOMPARE(w->palette().color(QPalette::Window), bgrColor(0x00C0E0FF));
    }

    void layout_data() {
        QTest::addColumn<QString>("name");    // a control, or a label by its caption
        QTest::addColumn<QString>("parent");  // where its position counts from
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QString>("caption");
        QTest::newRow("Frame1") << "Frame1"
                                << "window" << QRect(480, 1080, 1695, 2175) << "";
        QTest::newRow("Op2") << "Op2"
                             << "Frame1" << QRect(120, 360, 975, 375) << "Two";
        QTest::newRow("Op3") << "Op3"
                             << "Frame1" << QRect(120, 720, 975, 375) << "Three";
        QTest::newRow("Op4") << "Op4"
                             << "Frame1" << QRect(120, 1080, 975, 375) << "Four";
        QTest::newRow("Command1") << "Command1"
                                  << "Frame1" << QRect(240, 1560, 1215, 495) << "Ok";
        QTest::newRow("Frame2") << "Frame2"
                                << "window" << QRect(2640, 1080, 1935, 3615) << "";
        QTest::newRow("Label1") << "Player 1 :"
                                << "Frame2" << QRect(120, 360, 975, 255) << "Player 1 :";
        QTest::newRow("Tp1") << "Tp1"
                             << "Frame2" << QRect(240, 600, 1335, 375) << "Player 1";
        QTest::newRow("Label3") << "Player 2 :"
                                << "Frame2" << QRect(120, 1080, 975, 255) << "Player 2 :";
        QTest::newRow("Tp2") << "Tp2"
                             << "Frame2" << QRect(240, 1320, 1335, 375) << "Player 2";
        QTest::newRow("Label2") << "Player 3 :"
                                << "Frame2" << QRect(120, 1800, 975, 255) << "Player 3 :";
        QTest::newRow("Tp3") << "Tp3"
                             << "Frame2" << QRect(240, 2040, 1335, 375) << "Player 3";
        QTest::newRow("Label4") << "Player 4 :"
                                << "Frame2" << QRect(120, 2520, 975, 255) << "Player 4 :";
        QTest::newRow("Tp4") << "Tp4"
                             << "Frame2" << QRect(240, 2880, 1335, 375) << "Player 4";
        QTest::newRow("cmdgo") << "cmdgo"
                               << "window" << QRect(720, 3360, 1215, 495) << "GO";
        QTest::newRow("cmdreset") << "cmdreset"
                                  << "window" << QRect(720, 4080, 1215, 495) << "Reset";
        QTest::newRow("Label5") << "e-kivo"
                                << "window" << QRect(1500, 240, 2175, 930) << "e-kivo";
    }

    void layout() {
        QFETCH(QString, name);
        QFETCH(QString, parent);
        QFETCH(QRect, twips);
        QFETCH(QString, caption);
        QVERIFY(open());
        QWidget* w = control(name);
        if (!w) w = labelWithText(name);
        QVERIFY2(w, qPrintable(name));
        QWidget* container = parent == QLatin1String("window") ? form().window() : control(parent);
        QCOMPARE(w->parentWidget(), container);
        QCOMPARE(w->geometry(), pxRect(twips.x(), twips.y(), twips.width(), twips.height()));
        if (auto* b = qobject_cast<QAbstractButton*>(w)) QCOMPARE(b->text(), caption);
        if (auto* l = qobject_cast<QLabel*>(w)) QCOMPARE(l->text(), caption);
        if (auto* t = qobject_cast<QLineEdit*>(w)) QCOMPARE(t->text(), caption);
    }

    void opensInTheFirstStage() {
        QVERIFY(open());
        QCOMPARE(form().window()->focusWidget(), w().Op2);
        expectFirstStage("Player %1");
        QCOMPARE(w().Tp1->maxLength(), 10);
    }

    void okUnlocksNames_data() {
        QTest::addColumn<int>("players");
        QTest::newRow("Two") << 2;
        QTest::newRow("Three") << 3;
        QTest::newRow("Four") << 4;
    }

    void okUnlocksNames() {
        QFETCH(int, players);
        QVERIFY(open());
        chooseAndConfirm(players);
        QVERIFY(!w().Frame1->isEnabled());
        QVERIFY(!w().Op2->isEnabled() && !w().Command1->isEnabled());
        QVERIFY(w().Frame2->isVisible());
        QVERIFY(w().cmdgo->isVisible());
        QVERIFY(w().cmdreset->isVisible());
        for (int n = 1; n <= 4; ++n) {
            QCOMPARE(box(n)->isEnabled(), n <= players);
            QCOMPARE(box(n)->text(), QStringLiteral("Player %1").arg(n));
        }
        QCOMPARE(form().choice().op2, players == 2);
        QCOMPARE(form().choice().op3, players == 3);
        QCOMPARE(form().choice().op4, players == 4);
    }

    // "Ok" leaves the cursor in the first name with the whole of it selected, by keys that
    // are processed only once the handler has returned.
    void okSelectsTheFirstName() {
        QVERIFY(open());
        QTest::mouseClick(w().Command1, Qt::LeftButton);
        QCOMPARE(form().window()->focusWidget(), w().Tp1);
        QVERIFY(!w().Tp1->hasSelectedText());
        QTRY_COMPARE(w().Tp1->selectedText(), QStringLiteral("Player 1"));
        QTest::keyClick(w().Tp1, Qt::Key_Z, Qt::NoModifier);
        QCOMPARE(w().Tp1->text(), QStringLiteral("z"));
        QCOMPARE(w().Tp2->text(), QStringLiteral("Player 2"));
    }

    void resetGoesBack() {
        QVERIFY(open());
        chooseAndConfirm(4);
        QTest::keyClicks(w().Tp1, "Ann");
        w().Tp3->clear();
        QTest::mouseClick(w().cmdreset, Qt::LeftButton);
        expectFirstStage("Player%1");
        if (QTest::currentTestFailed()) return;
        QCoreApplication::processEvents();  // "Two" stays, wherever the focus went
        QVERIFY(w().Op2->isChecked());
        // "Ok" and "GO" straight after: the board gets the names "Reset" wrote.
        chooseAndConfirm(2);
        QTest::mouseClick(w().cmdgo, Qt::LeftButton);
        QCOMPARE(boardShown_, 1);
        QCOMPARE(QString::fromStdString(readByBoard_.names[0]), QStringLiteral("Player1"));
        QCOMPARE(QString::fromStdString(readByBoard_.names[3]), QStringLiteral("Player4"));
        QVERIFY(readByBoard_.op2);
    }

    // "GO" names the lowest empty box and stays; with no empty box the board opens while
    // this window is still there to be read, and this window goes after it.
    void goChecksNames_data() {
        QTest::addColumn<int>("players");
        QTest::addColumn<QList<int>>("emptied");
        QTest::addColumn<QString>("message");  // empty: the board opens
        QTest::newRow("second and third") << 3 << QList<int>{2, 3} << "Enter name for player2";
        QTest::newRow("first") << 2 << QList<int>{1} << "Enter name for player1";
        QTest::newRow("fourth") << 4 << QList<int>{4} << "Enter name for player4";
        QTest::newRow("third and fourth") << 4 << QList<int>{4, 3} << "Enter name for player3";
        QTest::newRow("none") << 4 << QList<int>{} << "";
        QTest::newRow("blank name") << 2 << QList<int>{} << "";
    }

    void goChecksNames() {
        QFETCH(int, players);
        QFETCH(QList<int>, emptied);
        QFETCH(QString, message);
        QVERIFY(open());
        chooseAndConfirm(players);
        for (int n : emptied) box(n)->clear();
        if (QTest::currentDataTag() == QLatin1String("blank name")) {
            w().Tp2->selectAll();
            QTest::keyClicks(w().Tp2, "  ");
        }
        QTest::mouseClick(w().cmdgo, Qt::LeftButton);
        if (message.isEmpty()) {
            QVERIFY(answer_.shown.empty());
            QCOMPARE(boardShown_, 1);
            QVERIFY2(loadedWhileBoardLoads_, "the board reads this window while it loads");
            QVERIFY(!form().loaded());
            QCOMPARE(readByBoard_.op4, players == 4);
            if (QTest::currentDataTag() == QLatin1String("blank name")) {
                QCOMPARE(QString::fromStdString(readByBoard_.names[1]), QStringLiteral("  "));
            }
        } else {
            QCOMPARE(answer_.shown.size(), std::size_t{1});
            QCOMPARE(answer_.shown[0].prompt, message);
            QCOMPARE(answer_.shown[0].title, QStringLiteral("EMPTY NAME"));
            QCOMPARE(answer_.shown[0].style, 64);
            QCOMPARE(boardShown_, 0);
            QVERIFY(form().loaded());
            QVERIFY(form().window()->isVisible());
            QVERIFY(w().cmdgo->isVisible());
            QCOMPARE(w().Tp1->isEnabled(), true);
        }
    }

    void firstNameTakesTenLetters() {
        QVERIFY(open());
        chooseAndConfirm(2);
        w().Tp1->clear();
        QTest::keyClicks(w().Tp1, "abcdefghijk");
        QCOMPARE(w().Tp1->text(), QStringLiteral("abcdefghij"));
        w().Tp1->clear();
        w().Tp1->insert(QStringLiteral("a pasted name too long"));
        QCOMPARE(w().Tp1->text(), QStringLiteral("a pasted n"));
    }

    // Typing ten thousand keys one by one takes long in a line edit; a paste of most of them
    // meets the same limit.
    void otherNamesHaveNoLimit() {
        QVERIFY(open());
        chooseAndConfirm(4);
        const QString pasted(9990, QLatin1Char('x'));
        for (int n = 2; n <= 4; ++n) {
            box(n)->clear();
            box(n)->insert(pasted);
            QTest::keyClicks(box(n), "abcdefghij");
            QCOMPARE(box(n)->text().size(), qsizetype{10000});
            QVERIFY(box(n)->text().endsWith(QStringLiteral("xabcdefghij")));
        }
    }
};

QTEST_MAIN(Form2Test)
#include "form2_test.moc"
