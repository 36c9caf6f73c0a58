#pragma once
// What every window's layout is written in: places and sizes in twips, colours as 0x00BBGGRR
// (0x800000nn names the platform's system colour nn), fonts by the names the layouts give.
// Plain data, free of any windowing toolkit.

#include <cstdint>

namespace kivo::layout {

struct Rect {
    float left = 0, top = 0, width = 0, height = 0;
};

// A window: its title, the size of its client area and its background colour, and the name
// the desktop and a screen reader know it by (the title is the window's name in the code).
struct FormLook {
    const char* title;
    float width, height;
    std::uint32_t back;
    const char* name;
};

struct Segment {
    float x1, y1, x2, y2;
};

struct Font {
    const char* family;
    float points;
    bool bold = false;
    bool italic = false;
};

enum class Align { Left, Center };

// How a label looks. A transparent label shows what lies under it.
struct LabelLook {
    std::uint32_t fore;
    std::uint32_t back;
    bool opaque;
    Font font;
    Align align;
    bool autoSize;         // sized to its text
    bool border;           // single-line border
    bool picture = false;  // read by a screen reader as a picture by its name, not as text
};

// A label that never changes: where it is, what it says, how it looks.
struct Text {
    Rect rect;
    const char* caption;
    LabelLook look;
};

// A command button in the graphical style, with its own background colour.
struct ButtonLook {
    Rect rect;
    const char* caption;
    Font font;
    std::uint32_t back;
    std::uint32_t fore;
    int tab;  // its place in the keyboard order
};

// A frame, with or without a caption set into an etched border.
struct FrameLook {
    Rect rect;
    const char* caption;
    Font font;
    std::uint32_t back;
    bool border;
};

// An option button; the options in one container exclude one another.
struct OptionLook {
    Rect rect;
    const char* caption;
    Font font;
    std::uint32_t back;
    int tab;
};

// A text box; maxLength 0 means no limit.
struct TextBoxLook {
    Rect rect;
    const char* text;
    int maxLength;
    Font font;
    std::uint32_t back;
    int tab;
};

// A rectangle drawn as a border only.
struct Border {
    Rect rect;
    std::uint32_t color;
    int widthPx;
};

// The platform's system colours that the layouts use.
inline constexpr std::uint32_t kWindowText = 0x80000008;
inline constexpr std::uint32_t kButtonText = 0x80000012;

}  // namespace kivo::layout
