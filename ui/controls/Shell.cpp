#include "Shell.h"

#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "BoardView.h"
#include "Roles.h"
#include "Stage.h"

namespace kivo::ui {

namespace {
QMessageBox::Icon iconFor(int style) {
    switch (style & 0x70) {
        case kStop: return QMessageBox::Critical;
        case kExclamation: return QMessageBox::Warning;
        case kInformation: return QMessageBox::Information;
        default: return QMessageBox::NoIcon;
    }
}
}  // namespace

Shell::Shell() {
    installAccessibleRoles();
}

Shell::~Shell() = default;

void Shell::messageBox(const QString& prompt, int style, const QString& title,
                       const QString& about) {
    ++openBoxes_;
    struct Closed {
        int& n;
        ~Closed() { --n; }
    } closed{openBoxes_};
    showMessageBox(prompt, style, title, about);
}

void Shell::showMessageBox(const QString& prompt, int style, const QString& title,
                           const QString& about) {
    // A dialog of the stage: centred on it, minimised and restored with it, never on its own.
    QMessageBox box(iconFor(style), title, prompt, QMessageBox::Ok, &stage());
    box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowCloseButtonHint);
    box.setTextFormat(Qt::PlainText);
    box.setAccessibleName(title);
    box.setAccessibleDescription(about.isEmpty() ? prompt
                                                 : prompt.trimmed() + QStringLiteral(": ") + about);
    box.setWindowModality(Qt::ApplicationModal);
    box.setDefaultButton(QMessageBox::Ok);
    // Its text at the stage's scale, like every window of the game.
    QFont font = box.font();
    font.setPointSizeF(font.pointSizeF() * stage().scale());
    box.setFont(font);
    // The box takes its final size only as it shows: centre it on the stage then.
    QTimer::singleShot(
        0, &box, [&box, this] { box.move(stage().geometry().center() - box.rect().center()); });
    box.exec();
}

void Shell::end() {
    std::fflush(nullptr);
    std::_Exit(0);
}

Stage& Shell::stage() {
    if (!stage_) stage_ = std::make_unique<Stage>(*this);
    return *stage_;
}

}  // namespace kivo::ui
