// Whatever the players type or paste as a name is shown as typed, on the board and among the
// winners, and never pushes the board or its buttons out of reach.
#include <QClipboard>
#include <QGlyphRun>
#include <QTest>
#include <QTextLayout>

#include "Form1Window.h"
#include "UiSupport.h"
#include "Windows.h"

using namespace kivo;
using namespace kivo::uitest;

namespace {

// A name shown whole on one line: every character has a glyph, from the label's face or a
// fall-back (no empty boxes), and no control character breaks the line or hides what follows.
void checkShownWhole(const QLabel* label) {
    const QString shown = label->text();
    for (QChar c : shown) QVERIFY2(c.unicode() >= 0x20 && c.unicode() != 0x7F, qPrintable(shown));
    QTextLayout layout(shown, label->font());
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    for (const QGlyphRun& run : layout.glyphRuns()) {
        QVERIFY2(!run.glyphIndexes().contains(0u), qPrintable(run.rawFont().familyName()));
    }
}

}  // namespace

class NamesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { setUpApplication(); }
    void cleanup() { flushDeletes(); }

    void strangeNames_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("paste");
        QTest::newRow("blanks only") << QStringLiteral("   ") << false;
        QTest::newRow("ten thousand characters") << QString(10000, QLatin1Char('W')) << false;
        QTest::newRow("bold markup") << QStringLiteral("<b>x</b>") << false;
        QTest::newRow("image markup") << QStringLiteral("<img src=/etc/passwd>") << false;
        QTest::newRow("right to left") << QStringLiteral("\u05E9\u05DC\u05D5\u05DD abc") << false;
        QTest::newRow("emoji and combining marks")
            << QStringLiteral("\U0001F469\u200D\U0001F467 e\u0301\u0308") << false;
        QTest::newRow("Arabic") << QStringLiteral("\u0645\u0631\u064A\u0645 Ann") << false;
        QTest::newRow("Greek, Cyrillic, Devanagari")
            << QStringLiteral(
                   "\u0395\u03BB\u03AD\u03BD\u03B7 \u0416\u0430\u043D "
                   "\u0930\u093E\u092E")
            << false;
        QTest::newRow("Chinese and Japanese")
            << QStringLiteral("\u82B1\u5B50 \u306F\u306A") << false;
        QTest::newRow("control characters")
            << QStringLiteral("a\tb\u0001c\u001B[31m\nd\u007F") << true;
        QTest::newRow("embedded nul") << QString::fromUtf16(u"ab\0cd", 5) << true;
    }

    void strangeNames() {
        QFETCH(QString, name);
        QFETCH(bool, paste);
        TestShell answer;
        ScriptedDie die;
        app::Windows windows(answer);
        windows.setDie(&die);
        toSetUp(windows);
        ui::Form2& setup = windows.Form2();
        if (paste) {
            QApplication::clipboard()->setText(name);
            setup.screen()->Tp2->selectAll();
            setup.screen()->Tp2->paste();
        } else {
            setup.screen()->Tp2->setText(name);
        }
        const QString typed = setup.screen()->Tp2->text();
        QVERIFY(!typed.isEmpty());
        setup.cmdgo_Click();
        QVERIFY(answer.shown.empty());

        ui::Form1Window* board = windows.Form1().screen();
        QVERIFY(board);
        QCOMPARE(board->Lp[1]->caption(), typed);
        QCOMPARE(board->Lp[1]->textFormat(), Qt::PlainText);
        checkShownWhole(board->Lp[1]);
        // Clipped at the board's edge; the buttons and the squares stay where they were.
        QVERIFY(board->Lp[1]->geometry().right() < board->Lpos[0]->geometry().left());
        QCOMPARE(board->cmdshuffle->geometry(), pxRect(120, 7560, 975, 615));
        QCOMPARE(board->Lpos[99]->geometry(), pxRect(3480, 600, 795, 750));

        // Player 2 walks from square 97 onto 100 and is listed first among the winners.
        windows.Form1().state().pos[1] = 98;
        die.push({1, 3});
        for (int turn = 0; turn < 2; ++turn) playByHandlers(windows);
        QCOMPARE(board->lwnr[0]->caption(), typed);
        QCOMPARE(board->lwnr[0]->textFormat(), Qt::PlainText);
        checkShownWhole(board->lwnr[0]);
        QVERIFY(board->lwnr[0]->geometry().right() < board->Lpos[0]->geometry().left());
        QCOMPARE(answer.ends, 1);  // two players: the first finisher ends the game
    }

    // A name a megabyte long, pasted: the board is up at once and shows it just as it shows its
    // first few thousand characters, which is all that it lays out.
    void aMegabyteName() {
        TestShell answer;
        app::Windows windows(answer);
        toSetUp(windows);
        const QString name = QString(1 << 20, QLatin1Char('M'));
        QApplication::clipboard()->setText(name);
        windows.Form2().screen()->Tp2->selectAll();
        windows.Form2().screen()->Tp2->paste();
        QElapsedTimer clock;
        clock.start();
        windows.Form2().cmdgo_Click();
        ui::Label* shown = windows.Form1().screen()->Lp[1];
        const QImage whole = paint(shown);
        QVERIFY2(clock.elapsed() < 10000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(shown->caption(), name);
        QVERIFY(shown->text().size() < 10000);
        shown->setCaption(name.left(5000));
        QCOMPARE(paint(shown), whole);
    }

    void anEmptyNameIsRefused() {
        TestShell answer;
        app::Windows windows(answer);
        toSetUp(windows);
        windows.Form2().screen()->Tp2->clear();
        windows.Form2().cmdgo_Click();
        QCOMPARE(answer.prompts(), QStringList{QStringLiteral("Enter name for player2")});
        QVERIFY(windows.Form2().loaded());
        QVERIFY(!windows.Form1().loaded());
    }
};

QTEST_MAIN(NamesTest)
#include "names_test.moc"
