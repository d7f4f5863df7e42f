#include "skin_look.h"

namespace dorvane::skin {
namespace {

using Text = std::string_view;

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

Text Trim(Text t) {
    while (!t.empty() && IsSpace(t.front())) {
        t.remove_prefix(1);
    }
    while (!t.empty() && IsSpace(t.back())) {
        t.remove_suffix(1);
    }
    return t;
}

void SkipSpaces(Text& t) {
    while (!t.empty() && IsSpace(t.front())) {
        t.remove_prefix(1);
    }
}

bool Take(Text& t, Text prefix) {
    if (t.substr(0, prefix.size()) != prefix) {
        return false;
    }
    t.remove_prefix(prefix.size());
    return true;
}

// A plain decimal number: digits with an optional fraction; no exponent.
bool ReadNumber(Text& t, float& value) {
    SkipSpaces(t);
    const bool negative = Take(t, "-");
    float result = 0;
    float scale = 0;
    bool any = false;
    while (!t.empty() &&
           ((t.front() >= '0' && t.front() <= '9') || (t.front() == '.' && scale == 0))) {
        if (t.front() == '.') {
            scale = 1;
        } else if (scale == 0) {
            result = result * 10 + static_cast<float>(t.front() - '0');
            any = true;
        } else {
            scale /= 10;
            result += scale * static_cast<float>(t.front() - '0');
            any = true;
        }
        t.remove_prefix(1);
    }
    value = negative ? -result : result;
    return any;
}

// "9px" or "9": whole pixels, never negative.
bool ReadPixels(Text& t, int& pixels) {
    float value = 0;
    if (!ReadNumber(t, value) || value < 0 || value > 4096) {
        return false;
    }
    Take(t, "px");
    pixels = static_cast<int>(value + 0.5f);
    return true;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// NaN gives 0 too: never a float-to-integer cast out of range.
std::uint8_t Clamp255(float v) {
    return !(v > 0) ? 0 : v >= 255 ? 255 : static_cast<std::uint8_t>(v + 0.5f);
}

std::uint32_t Argb(std::uint32_t a, std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    return a << 24 | r << 16 | g << 8 | b;
}

// The parts of a comma-separated list, commas inside brackets kept.
template <typename Each>
void ForEachPart(Text list, char separator, Each each) {
    int depth = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= list.size(); ++i) {
        const char c = i < list.size() ? list[i] : separator;
        if (c == '(') {
            ++depth;
        } else if (c == ')') {
            --depth;
        } else if (c == separator && depth <= 0) {
            each(Trim(list.substr(start, i - start)));
            start = i + 1;
        }
    }
}

bool ReadGradient(Text t, Fill& fill) {
    if (!Take(t, "qlineargradient(") || t.empty() || t.back() != ')') {
        return false;
    }
    t.remove_suffix(1);
    Fill result;
    result.count = 0;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool ok = true;
    ForEachPart(t, ',', [&](Text part) {
        const std::size_t colon = part.find(':');
        if (colon == Text::npos) {
            ok = false;
            return;
        }
        const Text key = Trim(part.substr(0, colon));
        Text value = part.substr(colon + 1);
        if (key == "stop") {
            GradientStop stop;
            SkipSpaces(value);
            if (!ReadNumber(value, stop.at)) {
                ok = false;
                return;
            }
            SkipSpaces(value);
            if (result.count < Fill::MaxStops && ReadColour(value, stop.argb)) {
                result.stops[result.count++] = stop;
            }
        } else if (key == "x1" || key == "y1" || key == "x2" || key == "y2") {
            float& into = key == "x1" ? x1 : key == "y1" ? y1 : key == "x2" ? x2 : y2;
            ok = ok && ReadNumber(value, into);
        }
    });
    if (!ok || result.count == 0) {
        return false;
    }
    result.horizontal = x1 != x2 && y1 == y2;
    fill = result;
    return true;
}

bool ReadFill(Text t, Fill& fill) {
    if (ReadGradient(t, fill)) {
        return true;
    }
    std::uint32_t argb = 0;
    if (!ReadColour(t, argb)) {
        return false;
    }
    fill = Fill{};
    fill.count = 1;
    fill.stops[0] = {0, argb};
    return true;
}

// "1px solid #df86b0", "none", or any of the three alone.
void ReadBorder(Text t, Box& box) {
    SkipSpaces(t);
    while (!t.empty()) {
        int pixels = 0;
        std::uint32_t argb = 0;
        if (Take(t, "none")) {
            box.borderWidth = 0;
            box.set |= Box::HasBorderWidth;
        } else if (Take(t, "solid")) {
            box.dashed = false;
            box.set |= Box::HasDashed;
        } else if (Take(t, "dashed") || Take(t, "dotted")) {
            box.dashed = true;
            box.set |= Box::HasDashed;
        } else if (!t.empty() && t.front() >= '0' && t.front() <= '9' && ReadPixels(t, pixels)) {
            box.borderWidth = pixels;
            box.set |= Box::HasBorderWidth;
        } else if (ReadColour(t, argb)) {
            box.borderColour = argb;
            box.set |= Box::HasBorderColour;
        } else {
            return;
        }
        SkipSpaces(t);
    }
}

void ReadDeclaration(Text name, Text value, Box& box) {
    int pixels = 0;
    if (name == "color") {
        if (ReadColour(value, box.text)) box.set |= Box::HasText;
    } else if (name == "background" || name == "background-color") {
        if (ReadFill(value, box.fill)) box.set |= Box::HasFill;
    } else if (name == "border") {
        ReadBorder(value, box);
    } else if (name == "border-color") {
        if (ReadColour(value, box.borderColour)) box.set |= Box::HasBorderColour;
    } else if (name == "border-width") {
        if (ReadPixels(value, box.borderWidth)) box.set |= Box::HasBorderWidth;
    } else if (name == "border-style") {
        ReadBorder(value, box);
    } else if (name == "border-radius") {
        if (ReadPixels(value, box.radius)) box.set |= Box::HasRadius;
    } else if (name == "margin-top") {
        if (ReadPixels(value, box.marginTop)) box.set |= Box::HasMarginTop;
    } else if (name == "left") {
        if (ReadPixels(value, box.left)) box.set |= Box::HasLeft;
    } else if (name == "padding" && ReadPixels(value, pixels)) {
        box.paddingY = box.paddingX = pixels;
        if (ReadPixels(value, pixels)) box.paddingX = pixels;
        box.set |= Box::HasPadding;
    }
}

// The style sheet's rules in order; comments dropped on the way.
template <typename Each>
void ForEachRule(Text sheet, Each each) {
    while (!sheet.empty()) {
        const std::size_t open = sheet.find('{');
        const std::size_t comment = sheet.find("/*");
        if (comment != Text::npos && comment < open) {
            const std::size_t end = sheet.find("*/", comment + 2);
            sheet.remove_prefix(end == Text::npos ? sheet.size() : end + 2);
            continue;
        }
        const std::size_t close = open == Text::npos ? Text::npos : sheet.find('}', open);
        if (close == Text::npos) {
            return;
        }
        each(sheet.substr(0, open), sheet.substr(open + 1, close - open - 1));
        sheet.remove_prefix(close + 1);
    }
}

constexpr int Normal = static_cast<int>(ButtonState::Normal);
constexpr int Hover = static_cast<int>(ButtonState::Hover);
constexpr int Pressed = static_cast<int>(ButtonState::Pressed);
constexpr int Disabled = static_cast<int>(ButtonState::Disabled);

// Lays the rules of each selector over the box, selector by selector (the
// later ones more specific), the rules of one selector in the sheet's order.
void LaySheet(Text sheet, Text const (&selectors)[4], Box& box) {
    for (Text selector : selectors) {
        if (selector.empty()) {
            continue;
        }
        ForEachRule(sheet, [&](Text selectorList, Text declarations) {
            bool matches = false;
            ForEachPart(selectorList, ',', [&](Text s) { matches = matches || s == selector; });
            if (matches) {
                ReadDeclarations(declarations, box);
            }
        });
    }
}

}  // namespace

std::uint32_t Fill::ColourAt(float t) const {
    if (count == 0) {
        return 0;
    }
    if (count == 1 || t <= stops[0].at) {
        return stops[0].argb;
    }
    for (int i = 1; i < count; ++i) {
        if (t <= stops[i].at) {
            const GradientStop& a = stops[i - 1];
            const GradientStop& b = stops[i];
            const float span = b.at - a.at;
            const float f = span <= 0 ? 1 : (t - a.at) / span;
            std::uint32_t result = 0;
            for (int shift = 0; shift < 32; shift += 8) {
                const float from = static_cast<float>(a.argb >> shift & 0xFF);
                const float to = static_cast<float>(b.argb >> shift & 0xFF);
                result |= std::uint32_t{Clamp255(from + (to - from) * f)} << shift;
            }
            return result;
        }
    }
    return stops[count - 1].argb;
}

void Box::LayOver(const Box& later) {
    if (later.Has(HasFill)) fill = later.fill;
    if (later.Has(HasText)) text = later.text;
    if (later.Has(HasBorderWidth)) borderWidth = later.borderWidth;
    if (later.Has(HasBorderColour)) borderColour = later.borderColour;
    if (later.Has(HasDashed)) dashed = later.dashed;
    if (later.Has(HasRadius)) radius = later.radius;
    if (later.Has(HasMarginTop)) marginTop = later.marginTop;
    if (later.Has(HasLeft)) left = later.left;
    if (later.Has(HasPadding)) paddingX = later.paddingX, paddingY = later.paddingY;
    set |= later.set;
}

bool ReadColour(Text& t, std::uint32_t& argb) {
    SkipSpaces(t);
    if (Take(t, "#")) {
        std::size_t digits = 0;
        std::uint32_t value = 0;
        while (digits < t.size() && HexDigit(t[digits]) >= 0) {
            value = value << 4 | static_cast<std::uint32_t>(HexDigit(t[digits++]));
        }
        if (digits == 3) {
            const std::uint32_t r = value >> 8, g = value >> 4 & 0xF, b = value & 0xF;
            argb = Argb(0xFF, r * 17, g * 17, b * 17);
        } else if (digits == 6) {
            argb = 0xFF000000u | value;
        } else if (digits == 8) {
            argb = value;  // Qt's #AARRGGBB
        } else {
            return false;
        }
        t.remove_prefix(digits);
        return true;
    }
    if (Take(t, "transparent")) {
        argb = 0;
        return true;
    }
    if (Take(t, "white")) {
        argb = 0xFFFFFFFFu;
        return true;
    }
    if (Take(t, "black")) {
        argb = 0xFF000000u;
        return true;
    }
    const bool alpha = Take(t, "rgba(");
    if (!alpha && !Take(t, "rgb(")) {
        return false;
    }
    float channels[4] = {0, 0, 0, 255};
    for (int i = 0; i < (alpha ? 4 : 3); ++i) {
        SkipSpaces(t);
        if ((i > 0 && !Take(t, ",")) || !ReadNumber(t, channels[i])) {
            return false;
        }
        SkipSpaces(t);
    }
    if (!Take(t, ")")) {
        return false;
    }
    argb = Argb(Clamp255(channels[3]), Clamp255(channels[0]), Clamp255(channels[1]),
                Clamp255(channels[2]));
    return true;
}

std::uint32_t Over(std::uint32_t top, std::uint32_t below) {
    const std::uint32_t a = top >> 24;
    std::uint32_t result = 0xFF000000u;
    for (int shift = 0; shift < 24; shift += 8) {
        const std::uint32_t t = top >> shift & 0xFF, b = below >> shift & 0xFF;
        result |= ((t * a + b * (255 - a) + 127) / 255) << shift;
    }
    return result;
}

void ReadDeclarations(Text declarations, Box& box) {
    Box laid;
    ForEachPart(declarations, ';', [&](Text declaration) {
        const std::size_t colon = declaration.find(':');
        if (colon != Text::npos) {
            ReadDeclaration(Trim(declaration.substr(0, colon)), Trim(declaration.substr(colon + 1)),
                            laid);
        }
    });
    box.LayOver(laid);
}

void MakeLook(const Theme& theme, Look& look) {
    look = Look{};
    // Colours of a plain light look, for roles the theme leaves out.
    constexpr std::uint32_t Plain[] = {0xFFEFEFEF, 0xFF000000, 0xFFFFFFFF, 0xFFF7F7F7, 0xFFFFFFDC,
                                       0xFF000000, 0xFF808080, 0xFF000000, 0xFFEFEFEF, 0xFF000000,
                                       0xFFFFFFFF, 0xFFFFFFFF, 0xFFCACACA, 0xFF9F9F9F, 0xFFB8B8B8,
                                       0xFF767676, 0xFF308CC6, 0xFFFFFFFF, 0xFF0000FF, 0xFFFF00FF};
    static_assert(std::size(Plain) == static_cast<std::size_t>(PaletteRole::Count));
    for (std::size_t i = 0; i < std::size(Plain); ++i) {
        look.palette[i] = Plain[i];
    }
    look.disabledText = 0xFFBEBEBE;
    for (const PaletteEntry& e : theme.palette) {
        if (e.group == PaletteGroup::All || e.group == PaletteGroup::Active) {
            look.palette[static_cast<std::size_t>(e.role)] = e.argb;
        } else if (e.group == PaletteGroup::Disabled && e.role == PaletteRole::ButtonText) {
            look.disabledText = e.argb;
        }
    }
    look.tile = theme.windowTile.argb.empty() ? nullptr : &theme.windowTile;

    // What the palette alone makes of each box, before the style sheet.
    Box button;
    button.fill.count = 1;
    button.fill.stops[0] = {0, look.Colour(PaletteRole::Button)};
    button.text = look.Colour(PaletteRole::ButtonText);
    button.borderWidth = 1;
    button.borderColour = look.Colour(PaletteRole::Dark);
    button.radius = 2;
    for (Box& b : look.button) {
        b = button;
    }
    look.button[Pressed].fill.stops[0].argb = look.Colour(PaletteRole::Mid);
    look.button[Disabled].text = look.disabledText;
    look.focusBorder = look.Colour(PaletteRole::Highlight);
    look.groupBox.borderWidth = 1;
    look.groupBox.borderColour = look.Colour(PaletteRole::Mid);
    look.groupBox.text = look.Colour(PaletteRole::WindowText);
    look.groupTitle.left = 8;
    look.groupTitle.paddingX = 2;
    look.label.text = look.messageText.text = look.Colour(PaletteRole::WindowText);

    const Text sheet = theme.styleSheet;
    const Text none;
    LaySheet(sheet, {"QPushButton", none, none, none}, look.button[Normal]);
    for (int state : {Hover, Pressed, Disabled}) {
        constexpr Text names[] = {"", "QPushButton:hover", "QPushButton:pressed",
                                  "QPushButton:disabled"};
        look.button[state] = look.button[Normal];
        LaySheet(sheet, {names[state], none, none, none}, look.button[state]);
    }
    for (int state : {Normal, Hover, Pressed, Disabled}) {
        constexpr Text names[] = {"", "QPushButton:flat:hover", "QPushButton:flat:pressed",
                                  "QPushButton:flat:disabled"};
        look.flatButton[state] = look.button[state];
        LaySheet(sheet, {"QPushButton:flat", names[state], none, none}, look.flatButton[state]);
    }
    Box focus;
    LaySheet(sheet, {"QPushButton:focus", none, none, none}, focus);
    if (focus.Has(Box::HasBorderColour)) {
        look.focusBorder = focus.borderColour;
    }
    LaySheet(sheet, {"QGroupBox", none, none, none}, look.groupBox);
    LaySheet(sheet, {"QGroupBox::title", none, none, none}, look.groupTitle);
    LaySheet(sheet, {"QLabel", "QLabel[wordWrap=\"true\"]", none, none}, look.label);
    look.messageText = look.label;
    LaySheet(sheet, {"QMessageBox QLabel", "QMessageBox QLabel[wordWrap=\"true\"]", none, none},
             look.messageText);
}

}  // namespace dorvane::skin
