// The window tile: two large and two small hearts on a plain square, drawn
// with 4 x 4 supersampling so the edges are smooth. Plain arithmetic, so the
// same recipe always gives the same pixels.
#pragma once

#include "skin_format.h"
#include "theme_source.h"

namespace dorvane::skin {

Tile MakeHeartTile(const TileRecipe& recipe);

}  // namespace dorvane::skin
