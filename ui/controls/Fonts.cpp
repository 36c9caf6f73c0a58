#include "Fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <algorithm>
#include <cmath>

namespace kivo::ui {

namespace {
// The families that come from bitmap files, at a few sizes only. Registered with Qt's font
// database, which is the process's own, on the first call.
const QStringList& bitmapFamilies() {
    static const QStringList families = [] {
        QStringList out;
        // The bitmap "MS Sans Serif" and "System" live where fontconfig does not look.
        for (const char* file :
             {"/usr/share/wine/fonts/sserife.fon", "/usr/share/wine/fonts/vgasys.fon"}) {
            if (!QFile::exists(file)) continue;
            const int id = QFontDatabase::addApplicationFont(file);
            if (id >= 0) out += QFontDatabase::applicationFontFamilies(id);
        }
        QFont::insertSubstitutions("Tempus Sans ITC",
                                   {"Comic Neue", "Comic Sans MS", "sans-serif"});
        QFont::insertSubstitutions("Matisse ITC", {"Cabin Sketch", "CabinSketch", "serif"});
        QFont::insertSubstitutions("OCR A Extended", {"OCRA", "OCR A", "monospace"});
        QFont::insertSubstitutions("MS Sans Serif",
                                   {"Microsoft Sans Serif", "DejaVu Sans", "sans-serif"});
        QFont::insertSubstitutions("System", {"DejaVu Sans", "sans-serif"});
        return out;
    }();
    return families;
}
}  // namespace

Fonts::Fonts() {
    bitmapFamilies();
}

// A family that is not installed, or a bitmap font that has no size near the one asked for
// (it would come out far too small or large), gives way to its first stand-in that is
// installed, which keeps the layout's proportions.
QString Fonts::family(const char* name, float points) {
    const QString family = QString::fromLatin1(name);
    const QString key = family + QLatin1Char('@') + QString::number(points);
    if (auto it = chosen_.constFind(key); it != chosen_.constEnd()) return *it;
    if (installed_.isEmpty()) installed_ = QFontDatabase::families();
    const auto isInstalled = [this](const QString& f) {
        return installed_.contains(f, Qt::CaseInsensitive);
    };
    bool usable = isInstalled(family);
    if (usable && bitmapFamilies().contains(family, Qt::CaseInsensitive)) {
        const QList<int> sizes = QFontDatabase::pointSizes(family);
        usable = std::any_of(sizes.begin(), sizes.end(), [points](int size) {
            return std::abs(static_cast<float>(size) - points) <= 1.5f;
        });
    }
    QString drawn = family;
    if (!usable) {
        const QStringList subs = QFont::substitutes(family);
        const auto it = std::find_if(subs.begin(), subs.end(), isInstalled);
        if (it != subs.end()) drawn = *it;
    }
    chosen_.insert(key, drawn);
    return drawn;
}

QFont Fonts::font(const layout::Font& font, double scale) {
    const auto points = static_cast<float>(font.points * scale);
    QFont f(family(font.family, points));
    f.setPointSizeF(points);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    return f;
}

}  // namespace kivo::ui
