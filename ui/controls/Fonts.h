#pragma once
// The layouts name Windows fonts. Where they are missing, look-alikes stand in.

#include <QFont>
#include <QHash>
#include <QString>
#include <QStringList>

#include "LayoutTypes.h"

namespace kivo::ui {

// The program's fonts: which family draws each layout font, decided once for each family and
// size, for the whole process.
class Fonts {
public:
    // Registers the stand-ins (once for the process, however many are made). The game runs
    // with none of them installed.
    Fonts();

    // The layout's font at a scale: its size in points times the scale.
    QFont font(const layout::Font& font, double scale = 1.0);

private:
    QString family(const char* name, float points);

    // The installed families, read once: asking Qt family by family resolves each name
    // through fontconfig's substitutions first, at a cost near that of loading a font.
    QStringList installed_;
    QHash<QString, QString> chosen_;  // "family@points" to the family that draws it
};

}  // namespace kivo::ui
