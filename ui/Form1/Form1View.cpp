#include "Form1View.h"

#include "Form1Layout.h"
#include "Form1Window.h"
#include "Shell.h"

namespace kivo::ui {

namespace {
QString qs(const std::string& s) {
    return QString::fromStdString(s);
}
}  // namespace

float Form1View::left(ControlRef c) const {
    return b_.control(c).twips().left;
}
float Form1View::top(ControlRef c) const {
    return b_.control(c).twips().top;
}
float Form1View::width(ControlRef c) const {
    return b_.control(c).twips().width;
}
float Form1View::height(ControlRef c) const {
    return b_.control(c).twips().height;
}

void Form1View::setLeft(ControlRef c, float twips) {
    b_.control(c).setLeft(twips);
}

void Form1View::setTop(ControlRef c, float twips) {
    b_.control(c).setTop(twips);
}

std::uint32_t Form1View::backColor(ControlRef c) const {
    return b_.control(c).backColor();
}

void Form1View::setBackColor(ControlRef c, std::uint32_t bgr) {
    b_.control(c).setBackColor(bgr);
}

std::uint32_t Form1View::formBackColor() const {
    return layout::form1::kFormBack;
}

void Form1View::setVisible(ControlRef c, bool on) {
    if (c.kind == Ctl::f) {
        b_.f->setFaceVisible(c.index, on);
    } else {
        b_.control(c).widget()->setVisible(on);
    }
}

void Form1View::setEnabled(ControlRef c, bool on) {
    if (c.kind == Ctl::tdie || c.kind == Ctl::tmov) {
        b_.timer(c.kind).setEnabled(on);
        return;
    }
    QWidget* w = b_.control(c).widget();
    // A button losing the focus as it is disabled would hand it to the next one, and a second
    // Space meant for "Move" would press "Cancel". The focus waits where no key presses
    // anything and a screen reader reads nothing out.
    if (!on && b_.focusWidget() == w) b_.parkFocus();
    w->setEnabled(on);
}

std::string Form1View::caption(ControlRef c) const {
    return b_.label(c)->caption().toStdString();
}

void Form1View::setCaption(ControlRef c, const std::string& text) {
    b_.label(c)->setCaption(qs(text));
}

void Form1View::copyPicture(ControlRef to, ControlRef from) {
    b_.pictureBox(to)->setPicture(b_.pictureBox(from)->picture());
}

void Form1View::setFocus(ControlRef c) {
    b_.control(c).widget()->setFocus(Qt::OtherFocusReason);
}

void Form1View::msgBox(const std::string& prompt, int style, const std::string& title) {
    shell_.messageBox(qs(prompt), style, qs(title));
}

void Form1View::endProcess() {
    shell_.end();
}

}  // namespace kivo::ui
