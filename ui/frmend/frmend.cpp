#include "frmend.h"

#include "Fonts.h"
#include "PictureBox.h"
#include "Process.h"
#include "Shape.h"

static void loadFrmendPictures() { Q_INIT_RESOURCE(frmend); }

namespace kivo::ui {

namespace {
constexpr std::uint32_t kButtonBack = 0x00EC9C71;
}

FormWindow* frmend::load() {
    installFonts();
    loadFrmendPictures();
    auto* w = new FormWindow(*this, 0x00FFFFFF);
    w->setWindowTitle(QStringLiteral("Form4"));
    w->resize(px(10170), px(3915));
    auto* banner = new Image(w, {0, 0, 10170, 3915}, Picture(QStringLiteral(":/frmend/banner.svg")));
    banner->setAccessibleName(QStringLiteral("Kivo, snakes and ladders: thank you for playing"));
    ShapeStyle border;
    border.border = 0x006B3901;
    border.borderPx = 4;
    new Shape(w, {120, 120, 9975, 3735}, border);
    const QFont font = layoutFont("Tempus Sans ITC", 18, true, false);
    Command1 = new Button(w, {2520, 2520, 2055, 615}, QStringLiteral("Exit"), font, kButtonBack,
                          0x80000012);
    Command3 = new Button(w, {5160, 2520, 2055, 615}, QStringLiteral("Restart"), font, kButtonBack,
                          0x80000012);
    QWidget::setTabOrder(Command3, Command1);
    Command1->onClick([this] { Command1_Click(); });
    Command3->onClick([this] { Command3_Click(); });
    Command3->setFocus(Qt::OtherFocusReason);  // first in the tab order: Space restarts
    return w;
}

void frmend::Command1_Click() { End(); }

void frmend::Command3_Click() {
    Unload();
    if (showForm2) showForm2();
}

}  // namespace kivo::ui
