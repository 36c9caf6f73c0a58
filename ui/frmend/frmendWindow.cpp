#include "frmendWindow.h"

#include "Shape.h"
#include "Shell.h"
#include "frmendLayout.h"

// The pictures are compiled into this library; a static library must ask for them.
static void loadFrmendPictures() {
    Q_INIT_RESOURCE(frmend);
}

namespace kivo::ui {

namespace L = kivo::layout::frmend;

frmendWindow::frmendWindow(WindowObject& owner) : FormWindow(owner, L::kForm) {
    loadFrmendPictures();
    Image1 =
        new Image(this, L::kImage1, shell().pictures().get(QStringLiteral(":/frmend/banner.svg")));
    Image1->setAccessibleName(QStringLiteral("Kivo, snakes and ladders: thank you for playing"));
    setAccessibleDescription(Image1->accessibleName());  // said as the card comes up
    new Shape(this, L::kShape1);
    Command1 = new Button(this, L::kCommand1);
    Command3 = new Button(this, L::kCommand3);
    orderTabs();  // "Restart" first: it has the focus when the window comes up, and Space restarts
}

}  // namespace kivo::ui
