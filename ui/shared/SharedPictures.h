#pragma once
// The pictures that more than one window shows: the board's icon, which is also the splash's
// picture, and the ladder sign, which is also the set-up window's icon.

#include <QString>

namespace kivo::ui::shared {

// Registers them with the program's resources; safe to call again.
void loadPictures();

inline const QString kBoardIcon = QStringLiteral(":/shared/board-icon.svg");
inline const QString kBoardIconSmall = QStringLiteral(":/shared/board-icon-16.svg");
inline const QString kLadderSign = QStringLiteral(":/shared/ladder-sign.svg");

}  // namespace kivo::ui::shared
