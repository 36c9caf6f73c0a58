#include "flogoWindow.h"

#include <QEvent>
#include <QKeyEvent>

#include "SharedPictures.h"
#include "Shell.h"
#include "flogoLayout.h"

namespace kivo::ui {

namespace L = kivo::layout::flogo;

flogoWindow::flogoWindow(WindowObject& owner) : FormWindow(owner, L::kForm) {
    shared::loadPictures();
    f1 = new Frame(this, L::kF1);
    Label1 = new Label(f1, L::kLabel1);
    // What a screen reader says of the card when it comes up: what its notice says.
    setAccessibleDescription(QString::fromUtf8(L::kLabel1.caption));
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
        if (leave_) leave_();
        return true;
    }
    return false;
}

// A modifier pressed alone is no player's key: it is the start of a combination, often one the
// desktop takes (the Alt of Alt+Tab switching to another window).
void flogoWindow::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
        case Qt::Key_Meta:
        case Qt::Key_Super_L:
        case Qt::Key_Super_R:
        case Qt::Key_Hyper_L:
        case Qt::Key_Hyper_R: return;
        default:
            if (leave_) leave_();
    }
}

}  // namespace kivo::ui
