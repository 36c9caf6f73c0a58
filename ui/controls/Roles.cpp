#include "Roles.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

#include "Control.h"
#include "Frame.h"
#include "Label.h"
#include "MessageBox.h"
#include "Notice.h"
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

// Where the keyboard waits: not there for a screen reader, and never focused as far as it can
// tell, so the focus landing there is not read out.
class Unheard : public QAccessibleWidget {
public:
    explicit Unheard(QWidget* w) : QAccessibleWidget(w, QAccessible::Client) {}
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.invisible = true;
        s.focusable = false;
        s.focused = false;
        return s;
    }
};

// A message box on the stage: an alert named by its title, as the platform's box is.
class Alert : public QAccessibleWidget {
public:
    explicit Alert(QWidget* w) : QAccessibleWidget(w, QAccessible::AlertMessage) {}
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? widget()->windowTitle() : QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* roleOf(const QString&, QObject* object) {
    auto* w = qobject_cast<QWidget*>(object);
    if (!w) return nullptr;
    if (dynamic_cast<Stage*>(w)) return new QAccessibleWidget(w, QAccessible::Window);
    if (dynamic_cast<FocusPark*>(w)) return new Unheard(w);
    if (dynamic_cast<Notice*>(w)) return new QAccessibleWidget(w, QAccessible::Notification);
    if (auto* card = dynamic_cast<FormWindow*>(w)) {
        return new QAccessibleWidget(
            w, card->placement() == Placement::Ground ? QAccessible::Pane : QAccessible::Dialog);
    }
    if (auto* label = dynamic_cast<Label*>(w); label && label->readsAsPicture()) {
        return new Drawing(w);
    }
    if (auto* frame = dynamic_cast<Frame*>(w)) {
        if (frame->captioned()) return new QAccessibleWidget(w, QAccessible::Grouping);
        return new Drawing(w);
    }
    // The other controls that are neither text nor input draw: pictures, shapes, lines, dice.
    if (dynamic_cast<Control*>(w) && !qobject_cast<QLabel*>(w) &&
        !qobject_cast<QAbstractButton*>(w) && !qobject_cast<QLineEdit*>(w)) {
        return new Drawing(w);
    }
    if (qobject_cast<QMessageBox*>(w)) return new Alert(w);
    // The layer under a box only catches clicks.
    if (dynamic_cast<BoxLayer*>(w)) return new QAccessibleWidget(w, QAccessible::Client);
    return nullptr;
}

}  // namespace

void installAccessibleRoles() {
    QAccessible::installFactory(roleOf);
}

}  // namespace kivo::ui
