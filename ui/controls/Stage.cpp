#include "Stage.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

#include "Colors.h"
#include "Shell.h"
#include "StageLayout.h"
#include "Twips.h"
#include "Window.h"

namespace kivo::ui {

Stage::Stage(Shell& shell) : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), shell_(shell) {
    setWindowTitle(QString::fromUtf8(layout::kStage.title));
    setAccessibleName(QString::fromUtf8(layout::kStage.name));
    fillGround(*this, layout::kStage.back);
    // Until it is shown, the stage reckons with the screen it will fill.
    setGeometry(QGuiApplication::primaryScreen()->geometry());
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
    if (!isVisible()) showFullScreen();
    activateWindow();
    if (arriving && card.isEnabled()) card.firstFocus()->setFocus(Qt::OtherFocusReason);
}

void Stage::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (auto* card = dynamic_cast<FormWindow*>(w)) card->fit();
    }
}

void Stage::closeEvent(QCloseEvent* e) {
    e->ignore();
    shell_.end();
}

}  // namespace kivo::ui
