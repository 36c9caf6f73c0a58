#include "Fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <cmath>

namespace kivo::ui {

void installFonts() {
    static bool done = false;
    if (done) return;
    done = true;
    // The bitmap "MS Sans Serif" and "System" live where fontconfig does not look.
    for (const char* file :
         {"/usr/share/wine/fonts/sserife.fon", "/usr/share/wine/fonts/vgasys.fon"}) {
        if (QFile::exists(file)) QFontDatabase::addApplicationFont(file);
    }
    QFont::insertSubstitutions("Tempus Sans ITC", {"Comic Neue", "Comic Sans MS", "sans-serif"});
    QFont::insertSubstitutions("Matisse ITC", {"Cabin Sketch", "CabinSketch", "serif"});
    QFont::insertSubstitutions("OCR A Extended", {"OCRA", "OCR A", "monospace"});
    QFont::insertSubstitutions("MS Sans Serif",
                               {"Microsoft Sans Serif", "DejaVu Sans", "sans-serif"});
    QFont::insertSubstitutions("System", {"DejaVu Sans", "sans-serif"});
}

namespace {
// A bitmap font that has no size near the one asked for would come out far too small or
// large; its stand-in keeps the layout's proportions.
QString usableFamily(const QString& family, float points) {
    if (!QFontDatabase::hasFamily(family) || QFontDatabase::isScalable(family)) return family;
    for (int size : QFontDatabase::pointSizes(family)) {
        if (std::abs(static_cast<float>(size) - points) <= 1.5f) return family;
    }
    const QStringList subs = QFont::substitutes(family);
    return subs.isEmpty() ? family : subs.front();
}
}  // namespace

QFont layoutFont(const layout::Font& font, double scale) {
    const auto points = static_cast<float>(font.points * scale);
    QFont f(usableFamily(QString::fromLatin1(font.family), points));
    f.setPointSizeF(points);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    return f;
}

}  // namespace kivo::ui
