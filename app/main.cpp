// Kivo: the process starts here and runs the event loop until a window ends it.
#include <QApplication>
#include <QStyleFactory>

#include "Form1.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kivo"));
    QApplication::setApplicationVersion(QStringLiteral(KIVO_VERSION));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    kivo::ui::Form1 board([] { return kivo::SetupChoice{}; });
    board.onCancel = [] { QApplication::quit(); };
    board.Show();
    return QApplication::exec();
}
