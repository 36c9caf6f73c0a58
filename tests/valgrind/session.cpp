// A short scripted session of the whole program, offscreen, for valgrind to watch: the splash,
// the set-up, a few turns on the real timers, "Cancel", "Restart", then "Exit".
#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <cstdio>

#include "Form1Window.h"
#include "Look.h"
#include "TestShell.h"
#include "Windows.h"

namespace {

bool session(kivo::app::Windows& windows, const kivo::test::TestShell& shell) {
    windows.start();
    windows.flogo().leave();
    kivo::ui::Form2Window& setup = *windows.Form2().screen();
    setup.Op3->click();
    setup.Command1->click();
    QTest::qWait(10);  // the queued Home + Shift+End
    setup.Tp1->setText(QStringLiteral("Ann"));
    setup.cmdgo->click();

    for (int turn = 0; turn < 3; ++turn) {
        kivo::ui::Form1Window* board = windows.Form1().screen();
        board->cmdshuffle->click();
        if (!QTest::qWaitFor([&] { return board->cmdmove->isEnabled(); }, 20000)) return false;
        board->cmdmove->click();
        if (!QTest::qWaitFor([&] { return board->cmdshuffle->isEnabled(); }, 20000)) return false;
    }
    windows.Form1().screen()->Cmdexit->click();
    windows.frmend().screen()->Command3->click();  // "Restart"
    windows.Form2().screen()->Command1->click();
    windows.Form2().screen()->cmdgo->click();
    windows.Form1().screen()->Cmdexit->click();
    windows.frmend().screen()->Command1->click();  // "Exit"
    return shell.ends > 0;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    kivo::ui::setUpLook();
    QApplication::setQuitOnLastWindowClosed(false);
    kivo::test::TestShell shell;  // boxes answered at once and counted
    bool ok = false;
    {
        kivo::app::Windows windows(shell);
        ok = session(windows, shell);
    }
    QTest::qWait(10);  // the unloaded windows are freed
    std::printf("session: %s, %zu message boxes\n", ok ? "played to Exit" : "stuck",
                shell.shown.size());
    std::printf("%d passed, %d failed\n", ok ? 1 : 0, ok ? 0 : 1);
    return ok ? 0 : 1;
}
