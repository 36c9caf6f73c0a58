#include "Window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPixmapCache>
#include <algorithm>
#include <vector>

#include "Colors.h"
#include "Control.h"
#include "FocusRing.h"
#include "Shell.h"
#include "Stage.h"
#include "Twips.h"

namespace kivo::ui {

FormWindow::FormWindow(WindowObject& owner, const layout::FormLook& look, Placement placement)
    : owner_(owner),
      look_(look),
      placement_(placement),
      scale_(owner.shell().stage().scale()),
      park_(new FocusPark(this)) {
    setWindowTitle(QString::fromUtf8(look.title));
    setAccessibleName(QString::fromUtf8(look.name));
    resize(px(look.width, scale_), px(look.height, scale_));
    fillGround(*this, look.back);
}

Shell& FormWindow::shell() const {
    return owner_.shell();
}

void FormWindow::fit() {
    const QWidget* stage = parentWidget();
    if (!stage) return;
    if (const double s = shell().stage().scale(); s != scale_) {
        scale_ = s;
        for (QWidget* w : findChildren<QWidget*>()) {
            if (auto* c = dynamic_cast<Control*>(w)) c->setScale(s);
        }
    }
    if (placement_ == Placement::Ground) {
        setGeometry(stage->rect());
        return;
    }
    const QSize size(px(look_.width, scale_), px(look_.height, scale_));
    setGeometry(QRect(
        QPoint((stage->width() - size.width()) / 2, (stage->height() - size.height()) / 2), size));
}

void FormWindow::parkFocus() {
    park_->setFocus(Qt::OtherFocusReason);
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
    if (!stops.empty()) firstStop_ = stops.front()->widget();
    for (std::size_t i = 1; i < stops.size(); ++i) {
        QWidget::setTabOrder(stops[i - 1]->widget(), stops[i]->widget());
    }
}

bool FormWindow::focusNextPrevChild(bool next) {
    return tabWithin(this, next);
}

WindowObject::~WindowObject() {
    delete window_;
}

void WindowObject::Show() {
    if (!window_) window_ = load();
    shell_.stage().show(*window_);
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
    // The style keeps each button's drawn ground in Qt's pixmap cache under a key made from
    // the button's palette, and every load makes new palettes: those pictures are never
    // asked for again. Left there, they would pile up game after game, to the cache's limit.
    QPixmapCache::clear();
}

}  // namespace kivo::ui
