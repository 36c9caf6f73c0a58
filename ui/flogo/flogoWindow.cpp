#include "flogoWindow.h"

#include <QEvent>

#include "SharedPictures.h"
#include "Shell.h"
#include "flogoLayout.h"

namespace kivo::ui {

namespace L = kivo::layout::flogo;

flogoWindow::flogoWindow(WindowObject& owner, std::function<void()> leave)
    : FormWindow(owner, L::kForm), leave_(std::move(leave)) {
    shared::loadPictures();
    f1 = new Frame(this, L::kF1);
    Label1 = new Label(f1, L::kLabel1);
    Label5 = new Label(f1, L::kLabel5);
    Image1 = new Image(f1, L::kImage1, shell().pictures().get(shared::kBoardIcon));
    Image1->setAccessibleName(QStringLiteral("Kivo"));
    Label2 = new Label(f1, L::kLabel2);
    Label3 = new Label(f1, L::kLabel3);
    // A click anywhere on the card comes here first, whichever control it lands on.
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
}

bool flogoWindow::eventFilter(QObject*, QEvent* e) {
    if (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonDblClick) {
        leave_();
        return true;
    }
    return false;
}

void flogoWindow::keyPressEvent(QKeyEvent*) {
    leave_();
}

}  // namespace kivo::ui
