#include "Window.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <vector>

#include "Colors.h"
#include "Control.h"
#include "Shell.h"
#include "Twips.h"

namespace kivo::ui {

FormWindow::FormWindow(WindowObject& owner, const layout::FormLook& look)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), owner_(owner) {
    setWindowTitle(QString::fromUtf8(look.title));
    resize(px(look.width), px(look.height));
    QPalette p = palette();
    p.setColor(QPalette::Window, bgr(look.back));
    setPalette(p);
    setAutoFillBackground(true);
}

Shell& FormWindow::shell() const {
    return owner_.shell();
}

void FormWindow::onClick(QAbstractButton* button, std::function<void()> handler) {
    QObject::connect(button, &QAbstractButton::clicked, this, [this, handler = std::move(handler)] {
        if (!shell().messageBoxOpen()) handler();
    });
}

void FormWindow::orderTabs() {
    std::vector<Control*> stops;
    for (QWidget* w : findChildren<QWidget*>()) {
        auto* c = dynamic_cast<Control*>(w);
        if (c && c->tab() != Control::kNoTab) stops.push_back(c);
    }
    std::sort(stops.begin(), stops.end(),
              [](Control* a, Control* b) { return a->tab() < b->tab(); });
    for (std::size_t i = 1; i < stops.size(); ++i) {
        QWidget::setTabOrder(stops[i - 1]->widget(), stops[i]->widget());
    }
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
    shell_.closedByUser();
}

}  // namespace kivo::ui
