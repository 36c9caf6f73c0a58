// The floor for the start-up figures: the least a Qt Widgets program does to show a window,
// one frameless label centred on the screen, the size and colour of the game's title card.
// With the argument "backdrop" a frameless window covering the screen, in the board's
// colour, is shown first, as the game shows its backdrop before the card.
#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QStyleFactory>
#include <cstring>
#include <memory>

int main(int argc, char** argv) {
    const bool withBackdrop = argc > 1 && std::strcmp(argv[1], "backdrop") == 0;
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();

    std::unique_ptr<QWidget> backdrop;
    if (withBackdrop) {
        backdrop = std::make_unique<QWidget>(nullptr, Qt::Window | Qt::FramelessWindowHint);
        QPalette p = backdrop->palette();
        p.setColor(QPalette::Window, QColor(128, 64, 64));
        backdrop->setPalette(p);
        backdrop->setAutoFillBackground(true);
        backdrop->setGeometry(screen);
        backdrop->show();
    }

    QLabel label(QStringLiteral("Press any key to play"), nullptr,
                 Qt::Window | Qt::FramelessWindowHint);
    label.setAlignment(Qt::AlignCenter);
    QPalette p = label.palette();
    p.setColor(QPalette::Window, QColor(255, 224, 192));
    label.setPalette(p);
    label.setAutoFillBackground(true);
    label.resize(351, 218);
    label.move(screen.center() - label.rect().center());
    label.show();
    return QApplication::exec();
}
