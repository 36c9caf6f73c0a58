#include "MessageBox.h"

#include <QApplication>
#include <QMessageBox>

namespace kivo::ui {

namespace {
MessageBoxFn& current() {
    static MessageBoxFn fn;
    return fn;
}

QMessageBox::Icon iconFor(int style) {
    switch (style & 0x70) {
        case 16: return QMessageBox::Critical;
        case 32: return QMessageBox::Question;
        case 48: return QMessageBox::Warning;
        case 64: return QMessageBox::Information;
        default: return QMessageBox::NoIcon;
    }
}
}  // namespace

void realMessageBox(const QString& prompt, int style, const QString& title) {
    QMessageBox box(iconFor(style), title, prompt, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.setAccessibleName(title);
    box.setAccessibleDescription(prompt);
    box.setWindowModality(Qt::ApplicationModal);
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
}

static int& openBoxes() {
    static int n = 0;
    return n;
}

void messageBox(const QString& prompt, int style, const QString& title) {
    struct Open {
        Open() { ++openBoxes(); }
        ~Open() { --openBoxes(); }
    } open;
    if (current()) {
        current()(prompt, style, title);
    } else {
        realMessageBox(prompt, style, title);
    }
}

bool messageBoxOpen() { return openBoxes() > 0; }

MessageBoxFn setMessageBox(MessageBoxFn fn) {
    MessageBoxFn old = std::move(current());
    current() = std::move(fn);
    return old;
}

}  // namespace kivo::ui
