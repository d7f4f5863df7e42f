#include "theme_source.h"

#include <algorithm>
#include <charconv>
#include <sstream>
#include <vector>

#include "platform/posix/gbk.h"

namespace dorvane::skin {
namespace {

std::string_view Trim(std::string_view s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

std::vector<std::string_view> Words(std::string_view s) {
    std::vector<std::string_view> words;
    while (!(s = Trim(s)).empty()) {
        const auto end = std::min(s.find_first_of(" \t"), s.size());
        words.push_back(s.substr(0, end));
        s.remove_prefix(end);
    }
    return words;
}

// #rrggbb is opaque; #aarrggbb carries its alpha.
std::optional<std::uint32_t> Colour(std::string_view s) {
    if ((s.size() != 7 && s.size() != 9) || s[0] != '#') {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    const auto [end, ec] = std::from_chars(s.data() + 1, s.data() + s.size(), value, 16);
    if (ec != std::errc() || end != s.data() + s.size()) {
        return std::nullopt;
    }
    return s.size() == 7 ? (0xFF000000u | value) : value;
}

template <std::size_t N>
std::optional<std::size_t> IndexOf(const std::array<std::string_view, N>& names,
                                   std::string_view name) {
    const auto it = std::find(names.begin(), names.end(), name);
    return it == names.end() ? std::nullopt : std::optional<std::size_t>(it - names.begin());
}

std::optional<PaletteEntry> PaletteLine(std::string_view key, std::string_view value) {
    std::vector<std::string_view> words = Words(key);  // "palette [group] role"
    std::optional<std::size_t> group = 0;
    if (words.size() == 3) {
        group = IndexOf(PaletteGroupNames, words[1]);
    } else if (words.size() != 2) {
        return std::nullopt;
    }
    const std::optional<std::size_t> role = IndexOf(PaletteRoleNames, words.back());
    const std::optional<std::uint32_t> colour = Colour(value);
    if (!group || !role || !colour) {
        return std::nullopt;
    }
    return PaletteEntry{static_cast<PaletteRole>(*role), static_cast<PaletteGroup>(*group),
                        *colour};
}

std::optional<TileRecipe> TileLine(std::string_view value) {
    const std::vector<std::string_view> words = Words(value);
    TileRecipe recipe;
    if (words.size() != 4) {
        return std::nullopt;
    }
    const auto [end, ec] =
        std::from_chars(words[0].data(), words[0].data() + words[0].size(), recipe.side);
    const auto background = Colour(words[1]), heart = Colour(words[2]), second = Colour(words[3]);
    if (ec != std::errc() || end != words[0].data() + words[0].size() || recipe.side < 8 ||
        recipe.side > MaxTileSide || !background || !heart || !second) {
        return std::nullopt;
    }
    recipe.background = *background;
    recipe.heart = *heart;
    recipe.secondHeart = *second;
    return recipe;
}

}  // namespace

ThemeSourceResult ParseThemeSource(std::string_view text) {
    ThemeSource source;
    std::istringstream lines{std::string(text)};
    std::string raw;
    for (int number = 1; std::getline(lines, raw); ++number) {
        const std::string_view line = Trim(raw);
        if (line.empty() ||
            line[0] == '#') {  // colours start with '#' too: whole-line comments only
            continue;
        }
        const auto fail = [number](const std::string& what) {
            return ThemeSourceResult{std::nullopt, "line " + std::to_string(number) + ": " + what};
        };
        const auto equals = line.find('=');
        if (equals == std::string_view::npos) {
            return fail("expected key = value");
        }
        const std::string_view key = Trim(line.substr(0, equals));
        const std::string_view value = Trim(line.substr(equals + 1));
        if (key == "style") {
            source.theme.baseStyle = value;
        } else if (key == "password") {
            const std::optional<std::string> gbk = gbk::FromUtf8(value);
            if (!gbk) {
                return fail("password has no GBK form");
            }
            source.gbkPassword = *gbk;
        } else if (key == "tile") {
            source.tile = TileLine(value);
            if (!source.tile) {
                return fail("expected tile = side #background #heart #heart");
            }
        } else if (key.substr(0, 8) == "palette " || key.substr(0, 8) == "palette\t") {
            const std::optional<PaletteEntry> entry = PaletteLine(key, value);
            if (!entry) {
                return fail("expected palette [group] role = #rrggbb");
            }
            source.theme.palette.push_back(*entry);
        } else {
            return fail("unknown key " + std::string(key));
        }
    }
    if (source.theme.baseStyle.empty()) {
        return {std::nullopt, "no style given"};
    }
    return {std::move(source), {}};
}

}  // namespace dorvane::skin
