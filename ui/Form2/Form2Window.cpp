#include "Form2Window.h"

#include "Form2Layout.h"
#include "Label.h"
#include "Shape.h"
#include "SharedPictures.h"
#include "Shell.h"

namespace kivo::ui {

namespace L = kivo::layout::form2;

Form2Window::Form2Window(WindowObject& owner) : FormWindow(owner, L::kForm) {
    shared::loadPictures();

    new Shape(this, L::kShape1);
    new Label(this, L::kLabel5);

    Frame1 = new Frame(this, L::kFrame1);
    Op2 = new OptionButton(Frame1, L::kOp2);
    Op3 = new OptionButton(Frame1, L::kOp3);
    Op4 = new OptionButton(Frame1, L::kOp4);
    Command1 = new Button(Frame1, L::kCommand1);

    Frame2 = new Frame(this, L::kFrame2);
    Frame2->hide();
    // Each "Player n :" labels its name box, so a reader says it with the box, not again
    // among the frame's texts.
    const auto named = [this](const layout::Text& label, const layout::TextBoxLook& look) {
        auto* l = new Label(Frame2, label);
        auto* box = new TextBox(Frame2, look);
        l->setBuddy(box);
        return box;
    };
    Tp1 = named(L::kLabel1, L::kTp1);
    Tp2 = named(L::kLabel3, L::kTp2);
    Tp3 = named(L::kLabel2, L::kTp3);
    Tp4 = named(L::kLabel4, L::kTp4);
    int player = 1;
    for (TextBox* t : {Tp1, Tp2, Tp3, Tp4}) {
        t->setEnabled(false);
        t->setAccessibleName(QStringLiteral("Name of player %1").arg(player++));
    }

    cmdgo = new Button(this, L::kCmdgo);
    cmdgo->hide();
    cmdreset = new Button(this, L::kCmdreset);
    cmdreset->hide();
    new Label(this, L::kLabel6);
    orderTabs();

    // The first control in the keyboard order takes the focus when the window comes up, and
    // an option that takes the focus is selected: the window always opens with "Two".
    Op2->setChecked(true);
}

}  // namespace kivo::ui
