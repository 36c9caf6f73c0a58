#include "Roles.h"

#include <QAccessibleWidget>
#include <QMessageBox>

#include "Frame.h"
#include "Stage.h"
#include "Window.h"

namespace kivo::ui {

namespace {

QAccessibleInterface* roleOf(const QString&, QObject* object) {
    auto* w = qobject_cast<QWidget*>(object);
    if (!w) return nullptr;
    if (dynamic_cast<Stage*>(w)) return new QAccessibleWidget(w, QAccessible::Window);
    if (auto* card = dynamic_cast<FormWindow*>(w)) {
        return new QAccessibleWidget(
            w, card->placement() == Placement::Ground ? QAccessible::Pane : QAccessible::Dialog);
    }
    if (dynamic_cast<Frame*>(w) && !w->accessibleName().isEmpty()) {
        return new QAccessibleWidget(w, QAccessible::Grouping);
    }
    if (qobject_cast<QMessageBox*>(w)) return new QAccessibleWidget(w, QAccessible::AlertMessage);
    return nullptr;
}

}  // namespace

void installAccessibleRoles() {
    QAccessible::installFactory(roleOf);
}

}  // namespace kivo::ui
