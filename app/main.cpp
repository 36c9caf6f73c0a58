// Kivo: the process starts with the splash over the backdrop and runs until a window ends it.
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "Look.h"
#include "Windows.h"

namespace {

const char kNoDisplay[] = "kivo: there is no display to show the game on (X11 or Wayland)\n";

[[noreturn]] void noDisplay() {
    std::fputs(kNoDisplay, stderr);
    std::fflush(nullptr);
    std::_Exit(1);  // perhaps from inside Qt's start: nothing of it is torn down
}

// Qt ends a program it finds no display for with advice to reinstall it; the game says what is
// wrong instead.
QtMessageHandler qtHandler = nullptr;
void handler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg && message.contains(QLatin1String("no Qt platform plugin"))) noDisplay();
    qtHandler(type, context, message);
}

bool displayNamed() {
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "WAYLAND_SOCKET"}) {
        if (!qEnvironmentVariableIsEmpty(name)) return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (!displayNamed()) noDisplay();
    qtHandler = qInstallMessageHandler(handler);
    kivo::ui::ignoreDesktopLook();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kivo"));
    QApplication::setApplicationVersion(QStringLiteral(KIVO_VERSION));
    // The menu entry's name: Wayland desktops find the game's name and icon by it.
    QApplication::setDesktopFileName(QStringLiteral("org.kivo.Kivo"));
    kivo::ui::setUpLook();
    QApplication::setQuitOnLastWindowClosed(false);  // the windows decide when the game ends
    kivo::app::Windows windows;
    windows.start();
    return QApplication::exec();
}
