#include "Roles.h"

#include <QAccessibleWidget>
#include <QMessageBox>

#include "Frame.h"
#include "MessageBox.h"
#include "PictureBox.h"
#include "Shape.h"
#include "Stage.h"
#include "Window.h"

namespace kivo::ui {

namespace {

// A picture, a shape or a line: an image while it is named ("Ann on square 12", "Die: 4"),
// and passed over by a screen reader while it is drawn for the eye only.
class Drawing : public QAccessibleWidget {
public:
    explicit Drawing(QWidget* w) : QAccessibleWidget(w, QAccessible::Graphic) {}
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (widget()->accessibleName().isEmpty()) s.invisible = true;
        return s;
    }
};

QAccessibleInterface* roleOf(const QString&, QObject* object) {
    auto* w = qobject_cast<QWidget*>(object);
    if (!w) return nullptr;
    if (dynamic_cast<Stage*>(w)) return new QAccessibleWidget(w, QAccessible::Window);
    if (auto* card = dynamic_cast<FormWindow*>(w)) {
        return new QAccessibleWidget(
            w, card->placement() == Placement::Ground ? QAccessible::Pane : QAccessible::Dialog);
    }
    if (auto* frame = dynamic_cast<Frame*>(w)) {
        if (frame->captioned()) return new QAccessibleWidget(w, QAccessible::Grouping);
        return new Drawing(w);
    }
    if (dynamic_cast<PictureBox*>(w) || dynamic_cast<Image*>(w) || dynamic_cast<Shape*>(w) ||
        dynamic_cast<Line*>(w)) {
        return new Drawing(w);
    }
    if (qobject_cast<QMessageBox*>(w)) return new QAccessibleWidget(w, QAccessible::AlertMessage);
    // The layer under a box only catches clicks.
    if (dynamic_cast<BoxLayer*>(w)) return new QAccessibleWidget(w, QAccessible::Client);
    return nullptr;
}

}  // namespace

void installAccessibleRoles() {
    QAccessible::installFactory(roleOf);
}

}  // namespace kivo::ui
