// What stands where in the window: every control in creation order (which is
// also the stacking order of the picture and the static texts), with its
// rectangle, text at start, font, colour and place in the tab order, and the
// eight captions. Rectangles are client pixels for a 96-dpi screen; heights
// and static-text sizes are the designed results of sizing to the font, which
// the widget layer computes again from the face it really gets.
#pragma once

#include <array>
#include <string_view>

#include "toolkit/Types.h"

namespace layout {

enum class Kind {
    Picture,
    StaticText,
    CaptionedBox,  // sunken edge, with a caption above
    Box,           // sunken edge
    FlatBox,       // flat 1-px line
};

enum class FontRole { Window, Cell, Field, Parent, Number, Cross };

struct Control {
    std::u16string_view name;
    Kind kind;
    TRect rect;
    std::u16string_view text;
    FontRole font;
    TColor colour;
    int tab;  // -1: takes no focus
    // For a screen reader, in Dutch: the box's name and where it stands.
    std::u16string_view accessibleName;
    std::u16string_view description;
};

struct Caption {
    std::u16string_view box;
    std::u16string_view text;
    TRect rect;
};

// Text colours of the four allele rows.
constexpr TColor kRowA = 0xFF8000;  // orange
constexpr TColor kRowB = 0x800000;  // maroon
constexpr TColor kRowC = 0x0080C0;  // blue
constexpr TColor kRowD = 0x008000;  // green

constexpr int kControlCount = 26;
constexpr int kCaptionCount = 8;

extern const std::array<Control, kControlCount> kControls;
extern const std::array<Caption, kCaptionCount> kCaptions;

// The font of a role, in the given colour.
TFont FontFor(FontRole role, TColor colour);
// The window's own font, used by every caption.
TFont WindowFont();
const Caption* CaptionOf(std::u16string_view box);

}  // namespace layout
