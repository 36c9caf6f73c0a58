#include "Form2.h"

#include "BoardView.h"
#include "SendKeys.h"
#include "Shell.h"

namespace kivo::ui {

FormWindow* Form2::load() {
    auto* w = new Form2Window(*this);
    w->onClick(w->Command1, [this] { Command1_Click(); });
    w->onClick(w->cmdreset, [this] { cmdreset_Click(); });
    w->onClick(w->cmdgo, [this] { cmdgo_Click(); });
    return w;
}

SetupChoice Form2::choice() const {
    const Form2Window& w = *screen();
    SetupChoice c;
    c.op2 = w.Op2->isChecked();
    c.op3 = w.Op3->isChecked();
    c.op4 = w.Op4->isChecked();
    c.names = {w.Tp1->text().toStdString(), w.Tp2->text().toStdString(),
               w.Tp3->text().toStdString(), w.Tp4->text().toStdString()};
    return c;
}

void Form2::Command1_Click() {
    Form2Window& w = *screen();
    w.Frame1->setEnabled(false);
    w.cmdgo->setVisible(true);
    w.Frame2->setVisible(true);
    w.cmdreset->setVisible(true);
    w.Tp1->setEnabled(true);
    w.Tp1->setFocus(Qt::OtherFocusReason);
    sendKeys(QStringLiteral("{Home}+{End}"));  // typing then replaces the default name
    w.Tp2->setEnabled(true);
    if (w.Op3->isChecked()) w.Tp3->setEnabled(true);
    if (w.Op4->isChecked()) {
        w.Tp3->setEnabled(true);
        w.Tp4->setEnabled(true);
    }
}

void Form2::cmdreset_Click() {
    Form2Window& w = *screen();
    w.Op2->setChecked(true);
    w.Frame1->setEnabled(true);
    w.Tp1->setText(QStringLiteral("Player1"));
    w.Tp2->setText(QStringLiteral("Player2"));
    w.Tp3->setText(QStringLiteral("Player3"));
    w.Tp4->setText(QStringLiteral("Player4"));
    w.Frame2->setVisible(false);
    for (TextBox* t : {w.Tp1, w.Tp2, w.Tp3, w.Tp4}) t->setEnabled(false);
    w.cmdreset->setVisible(false);
    w.cmdgo->setVisible(false);
}

void Form2::cmdgo_Click() {
    const Form2Window& w = *screen();
    const TextBox* boxes[] = {w.Tp1, w.Tp2, w.Tp3, w.Tp4};
    for (int n = 1; n <= 4; ++n) {
        if (boxes[n - 1]->text().isEmpty()) {  // one message per press: the lowest empty box
            shell().messageBox(QStringLiteral("Enter name for player%1").arg(n), kInformation,
                               QStringLiteral("EMPTY NAME"));
            return;
        }
    }
    showForm1_();  // the board reads this window while it loads
    Unload();
}

}  // namespace kivo::ui
