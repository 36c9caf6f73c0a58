// Kivo: the process starts with the splash over the backdrop and runs until a window ends it.
#include <QApplication>

#include "Look.h"
#include "Windows.h"

int main(int argc, char** argv) {
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
