#include "Stage.h"

#include <xcb/xproto.h>

#include <QAbstractButton>
#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QCloseEvent>
#include <QScreen>
#include <QWindow>
#include <algorithm>

#include "Colors.h"
#include "Shell.h"
#include "StageLayout.h"
#include "Twips.h"
#include "Window.h"

namespace kivo::ui {

// On X11 another client can destroy the stage's window (xkill does it to the whole
// connection, `xdotool windowclose` to the window alone). Qt would go on with nothing on the
// screen; the game ends as it does when the display is lost.
class Stage::WindowWatch : public QAbstractNativeEventFilter {
public:
    explicit WindowWatch(Shell& shell) : shell_(shell) {}
    void setWindow(WId id) { window_ = static_cast<xcb_window_t>(id); }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (window_ == 0 || type != "xcb_generic_event_t") return false;
        const auto* e = static_cast<const xcb_generic_event_t*>(message);
        if ((e->response_type & 0x7F) == XCB_DESTROY_NOTIFY &&
            static_cast<const xcb_destroy_notify_event_t*>(message)->window == window_) {
            shell_.windowLost();
        }
        return false;
    }

private:
    Shell& shell_;
    xcb_window_t window_ = 0;
};

// The notice lies on the stage itself, outside every card: a screen reader then says no card's
// texts before what it tells.
Stage::Stage(Shell& shell)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      shell_(shell),
      notice_(new Notice(this)) {
    setWindowTitle(QString::fromUtf8(layout::kStage.title));
    setAccessibleName(QString::fromUtf8(layout::kStage.name));
    fillGround(*this, layout::kStage.back);
    // Until it is shown, the stage reckons with the screen it will fill.
    setGeometry(QGuiApplication::primaryScreen()->geometry());
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        windowWatch_ = new WindowWatch(shell_);
        qApp->installNativeEventFilter(windowWatch_);
    }
}

Stage::~Stage() {
    if (windowWatch_) {
        qApp->removeNativeEventFilter(windowWatch_);
        delete windowWatch_;
    }
}

double Stage::scale() const {
    return std::min(width() / (layout::kStage.width / kTwipsPerPixel),
                    height() / (layout::kStage.height / kTwipsPerPixel));
}

void Stage::show(FormWindow& card) {
    const bool arriving = card.parentWidget() != this;
    if (arriving) {
        card.setParent(this);
        card.fit();
    }
    card.show();
    if (card.placement() == Placement::Ground) {
        card.lower();
    } else {
        card.raise();
    }
    if (!isVisible()) {
        showFullScreen();
        followScreen(windowHandle()->screen());
        QObject::connect(windowHandle(), &QWindow::screenChanged, this, &Stage::followScreen);
    }
    activateWindow();
    if (arriving && card.isEnabled() && boxes_.empty())
        card.firstFocus()->setFocus(Qt::OtherFocusReason);
}

// The card in front, which a box lies on: a screen reader then finds the box within the window
// it concerns, and the keyboard comes back to that window without leaving it.
QWidget* Stage::frontCard() const {
    const QObjectList& cards = children();
    for (auto it = cards.rbegin(); it != cards.rend(); ++it) {
        auto* card = dynamic_cast<FormWindow*>(*it);
        if (card && card->isVisible() && card->placement() == Placement::Centred) return card;
    }
    return nullptr;
}

void Stage::runMessage(const BoxText& text) {
    QWidget* focus = focusWidget();  // before the box is made: it takes the focus at once
    QWidget* card = frontCard();
    BoxLayer layer(card ? card : this, text, scale());
    boxes_.push_back(&layer);
    if (boxes_.size() == 1) qApp->installEventFilter(this);
    layer.exec();
    boxes_.pop_back();
    if (boxes_.empty()) qApp->removeEventFilter(this);
    // The keyboard goes back where it was, as it does when a platform box closes.
    if (!boxes_.empty()) {
        boxes_.back()->box().ok()->setFocus(Qt::ActiveWindowFocusReason);
    } else if (focus && isAncestorOf(focus)) {
        focus->setFocus(Qt::ActiveWindowFocusReason);
    }
}

MessageCard* Stage::openBox() const {
    return boxes_.empty() ? nullptr : &boxes_.back()->box();
}

// While a box is open, a key or a click meant for anything beneath it is dropped, and the
// keyboard goes back to the box.
bool Stage::eventFilter(QObject* watched, QEvent* e) {
    switch (e->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel: break;
        default: return false;
    }
    auto* w = qobject_cast<QWidget*>(watched);
    BoxLayer* front = boxes_.back();
    if (!w || w == front || front->isAncestorOf(w)) return false;
    front->box().ok()->setFocus(Qt::ActiveWindowFocusReason);
    return true;
}

bool Stage::event(QEvent* e) {
    if (e->type() == QEvent::WinIdChange && windowWatch_) windowWatch_->setWindow(internalWinId());
    return QWidget::event(e);
}

// The stage keeps to its screen's geometry as the screen changes size or place, with or
// without a window manager to do it.
void Stage::followScreen(QScreen* screen) {
    QObject::disconnect(screenWatch_);
    if (!screen) return;
    screenWatch_ =
        QObject::connect(screen, &QScreen::geometryChanged, this, [this](const QRect& area) {
            if (geometry() != area) setGeometry(area);
        });
    if (geometry() != screen->geometry()) setGeometry(screen->geometry());
}

void Stage::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (auto* card = dynamic_cast<FormWindow*>(w)) card->fit();
    }
    for (BoxLayer* layer : boxes_) {
        layer->setGeometry(layer->parentWidget()->rect());
        layer->box().centre();
    }
}

void Stage::closeEvent(QCloseEvent* e) {
    e->ignore();
    shell_.end();
}

}  // namespace kivo::ui
