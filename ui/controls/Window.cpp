#include "Window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <functional>

#include "Colors.h"

namespace kivo::ui {

namespace {
std::function<void()>& onClosed() {
    static std::function<void()> fn;
    return fn;
}
}  // namespace

FormWindow::FormWindow(WindowObject& owner, std::uint32_t back)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), owner_(owner) {
    QPalette p = palette();
    p.setColor(QPalette::Window, bgr(back));
    setPalette(p);
    setAutoFillBackground(true);
}

void FormWindow::closeEvent(QCloseEvent* e) {
    e->ignore();  // the window object decides; unloading destroys this window
    owner_.closedByUser();
}

WindowObject::~WindowObject() {
    if (QCoreApplication::instance()) delete window_;
}

void WindowObject::Show() {
    if (!window_) {
        window_ = load();
        place(*window_);
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void WindowObject::Unload() {
    FormWindow* w = window_;
    if (!w) return;
    unloading();
    window_ = nullptr;
    // Gone for the players at once; the widgets themselves are freed when the handler that
    // asked for this has returned, so no handler is left standing on a destroyed control.
    w->hide();
    w->setEnabled(false);
    w->deleteLater();
}

void WindowObject::place(QWidget& w) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    w.move(screen.center() - w.rect().center());
}

void WindowObject::coverScreen(QWidget& w) {
    w.setGeometry(QGuiApplication::primaryScreen()->geometry());
}

void WindowObject::closedByUser() {
    Unload();
    if (onClosed()) onClosed()();
}

void WindowObject::setOnClosedByUser(std::function<void()> fn) { onClosed() = std::move(fn); }

}  // namespace kivo::ui
