#include "flogo.h"

#include <QEvent>

#include "Fonts.h"
#include "Frame.h"
#include "Label.h"
#include "PictureBox.h"

static void loadFlogoPictures() { Q_INIT_RESOURCE(Form1); }

namespace kivo::ui {

namespace {
constexpr std::uint32_t kBack = 0x00C0E0FF;

// The eight ways out are one: a click anywhere on the card, or a key while it is active.
class Splash : public FormWindow {
public:
    Splash(flogo& owner) : FormWindow(owner, kBack), owner_(owner) {}

    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonDblClick) {
            owner_.leave();
            return true;
        }
        return false;
    }

protected:
    void keyPressEvent(QKeyEvent*) override { owner_.leave(); }
    void mousePressEvent(QMouseEvent*) override { owner_.leave(); }

private:
    flogo& owner_;
};

Label* label(QWidget* parent, TwipsRect r, const QString& text, const QFont& font,
             std::uint32_t fore) {
    LabelStyle s;
    s.fore = fore;
    s.back = kBack;
    s.font = font;
    s.align = Qt::AlignCenter;
    return new Label(parent, r, s, text);
}
}  // namespace

FormWindow* flogo::load() {
    installFonts();
    loadFlogoPictures();
    auto* w = new Splash(*this);
    w->setWindowTitle(QStringLiteral("Form3"));
    w->resize(px(5265), px(3270));
    auto* f1 = new Frame(w, {120, 120, 4935, 3015}, kBack, {}, true);
    const QFont sans = layoutFont("MS Sans Serif", 12, true, false);
    label(f1, {1035, 240, 3105, 300}, QStringLiteral("Press any key to play"), sans, 0x80000012);
    label(f1, {1860, 720, 2175, 930}, QStringLiteral("e-kivo"),
          layoutFont("Tempus Sans ITC", 36, true, true), 0x00000000);
    auto* icon = new Image(f1, {120, 720, 1200, 1320}, Picture(QStringLiteral(":/Form1/window-icon.svg")));
    icon->setAccessibleName(QStringLiteral("Kivo"));
    label(f1, {2190, 1800, 1395, 300}, QStringLiteral("Version 1.0"), sans, 0x80000012);
    label(f1, {345, 2400, 4125, 360}, QStringLiteral("by the Kivo team"),
          layoutFont("MS Sans Serif", 13.5f, true, true), 0x00400000);
    w->installEventFilter(w);
    for (QWidget* child : w->findChildren<QWidget*>()) child->installEventFilter(w);
    if (showFrmback) showFrmback();  // Form_Load: the backdrop is up before the card
    return w;
}

void flogo::leave() {
    if (!loaded()) return;  // a double-click leaves once
    Unload();
    if (showForm2) showForm2();
}

}  // namespace kivo::ui
