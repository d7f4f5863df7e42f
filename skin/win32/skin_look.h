// What the Windows engine paints, taken from a theme that has been read whole:
// the palette's colours, the window tile, and the boxes of the style sheet
// (push buttons in their states, flat buttons, group boxes and their titles,
// the word-wrapped label). Plain C++ over the theme, no Windows header, so the
// same values can be checked anywhere.
//
// Understands of the style sheet only what the Dorvane skin uses: the
// selectors named in BoxLooks below; the properties color, background(-color)
// (a colour or a two-point qlineargradient with up to four stops), border,
// border-color, border-radius, margin-top, left and padding; colours as #rgb,
// #rrggbb, #aarrggbb, rgb(), rgba() and transparent. Anything else is skipped.
#pragma once

#include <cstdint>
#include <string_view>

#include "skin_format.h"

namespace dorvane::skin {

// 0xAARRGGBB at each position 0..1 along the gradient
struct GradientStop {
    float at = 0;
    std::uint32_t argb = 0;
};

struct Fill {
    static constexpr int MaxStops = 4;
    int count = 0;  // 0: no fill, 1: one colour, else a gradient
    bool horizontal = false;
    GradientStop stops[MaxStops];

    std::uint32_t ColourAt(float t) const;  // 0xAARRGGBB; transparent without stops
};

// A box of the style sheet: what a rule set, so later rules lay over earlier ones.
struct Box {
    enum Field : std::uint16_t {
        HasFill = 1,
        HasText = 2,
        HasBorderWidth = 4,
        HasBorderColour = 8,
        HasDashed = 16,
        HasRadius = 32,
        HasMarginTop = 64,
        HasLeft = 128,
        HasPadding = 256,
    };
    std::uint16_t set = 0;
    Fill fill;
    std::uint32_t text = 0;
    int borderWidth = 0;
    std::uint32_t borderColour = 0;
    bool dashed = false;
    int radius = 0;
    int marginTop = 0;
    int left = 0;
    int paddingX = 0;
    int paddingY = 0;

    bool Has(Field f) const { return (set & f) != 0; }
    void LayOver(const Box& later);  // the later box's fields win where it sets them
};

enum class ButtonState : std::uint8_t { Normal, Hover, Pressed, Disabled, Count };

struct Look {
    std::uint32_t palette[static_cast<std::size_t>(PaletteRole::Count)] = {};
    std::uint32_t disabledText = 0;  // the Disabled group's ButtonText
    const Tile* tile = nullptr;      // borrowed from the theme; null without one

    Box button[static_cast<std::size_t>(ButtonState::Count)];
    Box flatButton[static_cast<std::size_t>(ButtonState::Count)];
    std::uint32_t focusBorder = 0;
    Box groupBox;
    Box groupTitle;
    Box label;        // a word-wrapped label outside a message box
    Box messageText;  // the word-wrapped text of a message box

    std::uint32_t Colour(PaletteRole role) const { return palette[static_cast<std::size_t>(role)]; }
};

// Fills a look from the theme: palette defaults first, then the style sheet.
// The look borrows the theme's tile, so the theme must outlive it.
void MakeLook(const Theme& theme, Look& look);

// One declaration block's properties laid over a box; exposed for the tests.
void ReadDeclarations(std::string_view declarations, Box& box);

// The colour a style sheet value starts with, or false.
bool ReadColour(std::string_view& text, std::uint32_t& argb);

// Blends a colour with alpha over an opaque one; the result is opaque.
std::uint32_t Over(std::uint32_t top, std::uint32_t below);

}  // namespace dorvane::skin
