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
    new Label(Frame2, L::kLabel1);
    Tp1 = new TextBox(Frame2, L::kTp1);
    new Label(Frame2, L::kLabel3);
    Tp2 = new TextBox(Frame2, L::kTp2);
    new Label(Frame2, L::kLabel2);
    Tp3 = new TextBox(Frame2, L::kTp3);
    new Label(Frame2, L::kLabel4);
    Tp4 = new TextBox(Frame2, L::kTp4);
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
