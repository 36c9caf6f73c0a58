#include "Form2.h"

#include "Fonts.h"
#include "MessageBox.h"
#include "Picture.h"
#include "SendKeys.h"
#include "Shape.h"

static void loadForm2Pictures() { Q_INIT_RESOURCE(Form1); }

namespace kivo::ui {

namespace {
constexpr std::uint32_t kBack = 0x00C0E0FF;
constexpr std::uint32_t kText = 0x80000012;
constexpr std::uint32_t kBoxBack = 0x00C0C0C0;

QFont tempus(float points, bool bold, bool italic = false) {
    return layoutFont("Tempus Sans ITC", points, bold, italic);
}

Label* label(QWidget* parent, TwipsRect r, const QString& text, const QFont& font,
             std::uint32_t fore, bool centred) {
    LabelStyle s;
    s.fore = fore;
    s.back = kBack;
    s.font = font;
    s.align = centred ? Qt::AlignCenter : (Qt::AlignLeft | Qt::AlignTop);
    return new Label(parent, r, s, text);
}
}  // namespace

FormWindow* Form2::load() {
    installFonts();
    loadForm2Pictures();
    auto* w = new FormWindow(*this, kBack);
    w->setWindowTitle(QString());
    w->setWindowIcon(Picture(QStringLiteral(":/Form1/ladder-sign.svg")).icon());
    w->resize(px(5370), px(5805));

    ShapeStyle border;
    border.border = 0x00000040;
    border.borderPx = 3;
    new Shape(w, {120, 120, 5055, 5535}, border);
    label(w, {1500, 240, 2175, 930}, QStringLiteral("e-kivo"), tempus(36, true, true), 0x00400000,
          true);

    w->setAccessibleName(QStringLiteral("Players"));
    Frame1 = new Frame(w, {480, 1080, 1695, 2175}, kBack, QStringLiteral("No of Players :"), true,
                       tempus(9.75f, true));
    Op2 = new OptionButton(Frame1, {120, 360, 975, 375}, QStringLiteral("Two"), tempus(9.75f, false), kBack);
    Op3 = new OptionButton(Frame1, {120, 720, 975, 375}, QStringLiteral("Three"), tempus(9.75f, false), kBack);
    Op4 = new OptionButton(Frame1, {120, 1080, 975, 375}, QStringLiteral("Four"), tempus(9.75f, false), kBack);
    Command1 = new Button(Frame1, {240, 1560, 1215, 495}, QStringLiteral("Ok"), tempus(12, true), kBack, kText);

    Frame2 = new Frame(w, {2640, 1080, 1935, 3615}, kBack, QStringLiteral("Names :"), true,
                       tempus(9.75f, true));
    Frame2->hide();
    const QFont small = tempus(9, true);
    const QFont box = tempus(9.75f, false);
    label(Frame2, {120, 360, 975, 255}, QStringLiteral("Player 1 :"), small, kText, false);
    Tp1 = new TextBox(Frame2, {240, 600, 1335, 375}, QStringLiteral("Player 1"), 10, box, kBoxBack);
    label(Frame2, {120, 1080, 975, 255}, QStringLiteral("Player 2 :"), small, kText, false);
    Tp2 = new TextBox(Frame2, {240, 1320, 1335, 375}, QStringLiteral("Player 2"), 0, box, kBoxBack);
    label(Frame2, {120, 1800, 975, 255}, QStringLiteral("Player 3 :"), small, kText, false);
    Tp3 = new TextBox(Frame2, {240, 2040, 1335, 375}, QStringLiteral("Player 3"), 0, box, kBoxBack);
    label(Frame2, {120, 2520, 975, 255}, QStringLiteral("Player 4 :"), small, kText, false);
    Tp4 = new TextBox(Frame2, {240, 2880, 1335, 375}, QStringLiteral("Player 4"), 0, box, kBoxBack);
    int player = 1;
    for (TextBox* t : {Tp1, Tp2, Tp3, Tp4}) {
        t->setEnabled(false);
        t->setAccessibleName(QStringLiteral("Name of player %1").arg(player++));
    }

    cmdgo = new Button(w, {720, 3360, 1215, 495}, QStringLiteral("GO"), tempus(12, true), kBack, kText);
    cmdgo->hide();
    cmdreset = new Button(w, {720, 4080, 1215, 495}, QStringLiteral("Reset"), tempus(12, true), kBack, kText);
    cmdreset->hide();
    label(w, {240, 4920, 4575, 465}, QStringLiteral("made by the Kivo team"),
          tempus(18, true, true), 0x00400000, true);

    QWidget::setTabOrder(Op2, Op3);
    QWidget::setTabOrder(Op3, Op4);
    QWidget::setTabOrder(Op4, Command1);
    QWidget::setTabOrder(Command1, Tp1);
    QWidget::setTabOrder(Tp1, Tp2);
    QWidget::setTabOrder(Tp2, Tp3);
    QWidget::setTabOrder(Tp3, Tp4);
    QWidget::setTabOrder(Tp4, cmdgo);
    QWidget::setTabOrder(cmdgo, cmdreset);

    Command1->onClick([this] { Command1_Click(); });
    cmdreset->onClick([this] { cmdreset_Click(); });
    cmdgo->onClick([this] { cmdgo_Click(); });

    // The first control in the tab order takes the focus, and an option that takes the focus
    // is selected: the window always opens with "Two".
    Op2->setChecked(true);
    Op2->setFocus(Qt::OtherFocusReason);
    return w;
}

void Form2::unloading() {
    Frame1 = Frame2 = nullptr;
    Op2 = Op3 = Op4 = nullptr;
    Command1 = cmdgo = cmdreset = nullptr;
    Tp1 = Tp2 = Tp3 = Tp4 = nullptr;
}

SetupChoice Form2::choice() const {
    SetupChoice c;
    c.op2 = Op2->isChecked();
    c.op3 = Op3->isChecked();
    c.op4 = Op4->isChecked();
    c.names = {Tp1->text().toStdString(), Tp2->text().toStdString(), Tp3->text().toStdString(),
               Tp4->text().toStdString()};
    return c;
}

void Form2::Command1_Click() {
    Frame1->setEnabled(false);
    cmdgo->setVisible(true);
    Frame2->setVisible(true);
    cmdreset->setVisible(true);
    Tp1->setEnabled(true);
    Tp1->setFocus(Qt::OtherFocusReason);
    sendKeys(QStringLiteral("{Home}+{End}"));  // typing then replaces the default name
    Tp2->setEnabled(true);
    if (Op3->isChecked()) Tp3->setEnabled(true);
    if (Op4->isChecked()) {
        Tp3->setEnabled(true);
        Tp4->setEnabled(true);
    }
}

void Form2::cmdreset_Click() {
    Op2->setChecked(true);
    Frame1->setEnabled(true);
    Tp1->setText(QStringLiteral("Player1"));
    Tp2->setText(QStringLiteral("Player2"));
    Tp3->setText(QStringLiteral("Player3"));
    Tp4->setText(QStringLiteral("Player4"));
    Frame2->setVisible(false);
    for (TextBox* t : {Tp1, Tp2, Tp3, Tp4}) t->setEnabled(false);
    cmdreset->setVisible(false);
    cmdgo->setVisible(false);
}

void Form2::cmdgo_Click() {
    const TextBox* boxes[] = {Tp1, Tp2, Tp3, Tp4};
    for (int n = 1; n <= 4; ++n) {
        if (boxes[n - 1]->text().isEmpty()) {  // one message per press: the lowest empty box
            messageBox(QStringLiteral("Enter name for player%1").arg(n), 64,
                       QStringLiteral("EMPTY NAME"));
            return;
        }
    }
    if (showForm1) showForm1();  // the board reads this window while it loads
    Unload();
}

}  // namespace kivo::ui
