#pragma once
// The set-up window's layout as plain data: places in twips within each control's container,
// colours as 0x00BBGGRR, and each focusable control's place in the keyboard order.

#include "LayoutTypes.h"

namespace kivo::layout::form2 {

inline constexpr std::uint32_t kFormBack = 0x00C0E0FF;
inline constexpr FormLook kForm{"", 5370, 5805, kFormBack, "Kivo: players"};
inline constexpr std::uint32_t kBoxBack = 0x00C0C0C0;
inline constexpr std::uint32_t kTitleText = 0x00400000;

inline constexpr Font tempus(float points, bool bold = false, bool italic = false) {
    return {"Tempus Sans ITC", points, bold, italic};
}

inline constexpr LabelLook centred(float points) {
    return {kTitleText, kFormBack, true, tempus(points, true, true), Align::Center, false, false};
}

inline constexpr LabelLook kNameLabel{kButtonText, kFormBack, true, tempus(9, true),
                                      Align::Left, false,     false};

// clang-format off
inline constexpr Border kShape1{{120, 120, 5055, 5535}, 0x00000040, 3};
inline constexpr Text kLabel5{{1500, 240, 2175, 930}, "e-kivo", centred(36)};
inline constexpr Text kLabel6{{240, 4920, 4575, 465}, "made by the Kivo team", centred(18)};

// The first stage: how many players.
inline constexpr FrameLook kFrame1{{480, 1080, 1695, 2175}, "No of Players :", tempus(9.75f, true), kFormBack, true};
inline constexpr OptionLook kOp2{{120, 360, 975, 375}, "Two", tempus(9.75f), kFormBack, 0};
inline constexpr OptionLook kOp3{{120, 720, 975, 375}, "Three", tempus(9.75f), kFormBack, 1};
inline constexpr OptionLook kOp4{{120, 1080, 975, 375}, "Four", tempus(9.75f), kFormBack, 2};
inline constexpr ButtonLook kCommand1{{240, 1560, 1215, 495}, "Ok", tempus(12, true), kFormBack, kButtonText, 3};

// The second stage: the names. Only the first name has a length limit.
inline constexpr FrameLook kFrame2{{2640, 1080, 1935, 3615}, "Names :", tempus(9.75f, true), kFormBack, true};
inline constexpr Text kLabel1{{120, 360, 975, 255}, "Player 1 :", kNameLabel};
inline constexpr Text kLabel3{{120, 1080, 975, 255}, "Player 2 :", kNameLabel};
inline constexpr Text kLabel2{{120, 1800, 975, 255}, "Player 3 :", kNameLabel};
inline constexpr Text kLabel4{{120, 2520, 975, 255}, "Player 4 :", kNameLabel};
inline constexpr TextBoxLook kTp1{{240, 600, 1335, 375}, "Player 1", 10, tempus(9.75f), kBoxBack, 4};
inline constexpr TextBoxLook kTp2{{240, 1320, 1335, 375}, "Player 2", 0, tempus(9.75f), kBoxBack, 5};
inline constexpr TextBoxLook kTp3{{240, 2040, 1335, 375}, "Player 3", 0, tempus(9.75f), kBoxBack, 6};
inline constexpr TextBoxLook kTp4{{240, 2880, 1335, 375}, "Player 4", 0, tempus(9.75f), kBoxBack, 7};
inline constexpr ButtonLook kCmdgo{{720, 3360, 1215, 495}, "GO", tempus(12, true), kFormBack, kButtonText, 8};
inline constexpr ButtonLook kCmdreset{{720, 4080, 1215, 495}, "Reset", tempus(12, true), kFormBack, kButtonText, 9};
// clang-format on

}  // namespace kivo::layout::form2
