// The skin's readable source, skin/theme/theme.txt, read into a theme: one
// "key = value" setting a line, "#" comments. The style sheet comes from its
// own file. Errors name the line.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "skin_format.h"

namespace dorvane::skin {

struct TileRecipe {
    int side = 0;
    std::uint32_t background = 0, heart = 0, secondHeart = 0;
};

struct ThemeSource {
    Theme theme;  // without style sheet and tile
    std::string gbkPassword;
    std::optional<TileRecipe> tile;
};

struct ThemeSourceResult {
    std::optional<ThemeSource> source;
    std::string error;  // "line N: ..." when source is none
};

ThemeSourceResult ParseThemeSource(std::string_view text);

}  // namespace dorvane::skin
