#include "layout/thumbnails.h"

#include "core/program_values.h"

DORVANE_REQUIRE_GBK;

namespace dorvane {

const std::array<std::string_view, PanelCount>& PanelOrder() {
    static constexpr std::array<std::string_view, PanelCount> order{"意境1", "意境2", "意境3",
                                                                    "恶搞", "可爱"};
    return order;
}

namespace {

// The box numbers do not follow the grid in 意境2, 意境3 and 恶搞.
// clang-format off
constexpr std::array<Thumbnail, 60> Table{{
    // box          panel    col row item     owner
    {"图片框1", "意境1", 1, 1, 1374781, OwnerAccountA},
    {"图片框2", "意境1", 2, 1, 1374780, OwnerAccountA},
    {"图片框3", "意境1", 3, 1, 1374784, OwnerAccountA},
    {"图片框4", "意境1", 4, 1, 1374779, OwnerAccountA},
    {"图片框5", "意境1", 1, 2, 1374782, OwnerAccountA},
    {"图片框6", "意境1", 2, 2, 1362137, OwnerAccountA},
    {"图片框7", "意境1", 3, 2, 1362138, OwnerAccountA},
    {"图片框8", "意境1", 4, 2, 1343291, OwnerAccountA},
    {"图片框9", "意境1", 1, 3, 1343294, OwnerAccountA},
    {"图片框10", "意境1", 2, 3, 1343295, OwnerAccountA},
    {"图片框11", "意境1", 3, 3, 1343292, OwnerAccountA},
    {"图片框12", "意境1", 4, 3, 1344580, OwnerAccountA},
    {"图片框13", "意境2", 1, 1, 1344581, OwnerAccountA},
    {"图片框14", "意境2", 2, 1, 1344566, OwnerAccountA},
    {"图片框15", "意境2", 3, 1, 1362139, OwnerAccountA},
    {"图片框16", "意境2", 4, 1, 1344582, OwnerAccountA},
    {"图片框17", "意境2", 1, 3, 1342662, OwnerAccountA},
    {"图片框18", "意境2", 2, 3, 1342663, OwnerAccountA},
    {"图片框19", "意境2", 3, 3, 1341849, OwnerAccountA},
    {"图片框20", "意境2", 4, 3, 1309445, OwnerAccountA},
    {"图片框21", "意境2", 1, 2, 1344583, OwnerAccountA},
    {"图片框22", "意境2", 2, 2, 1342659, OwnerAccountA},
    {"图片框23", "意境2", 3, 2, 1342660, OwnerAccountA},
    {"图片框24", "意境2", 4, 2, 1342661, OwnerAccountA},
    {"图片框25", "意境3", 1, 1, 1309446, OwnerAccountA},
    {"图片框26", "意境3", 2, 1, 1309447, OwnerAccountA},
    {"图片框27", "意境3", 3, 1, 1339885, OwnerAccountA},
    {"图片框28", "意境3", 4, 1, 1339887, OwnerAccountA},
    {"图片框29", "意境3", 1, 2, 1339888, OwnerAccountA},
    {"图片框30", "意境3", 2, 3, 1339894, OwnerAccountA},
    {"图片框31", "意境3", 3, 3, 1339895, OwnerAccountA},
    {"图片框32", "意境3", 4, 3, 1339897, OwnerAccountA},
    {"图片框33", "意境3", 1, 3, 1339893, OwnerAccountA},
    {"图片框34", "意境3", 2, 2, 1339889, OwnerAccountA},
    {"图片框35", "意境3", 3, 2, 1339891, OwnerAccountA},
    {"图片框36", "意境3", 4, 2, 1339892, OwnerAccountA},
    {"图片框37", "恶搞", 1, 1, 996540, OwnerAccountB},
    {"图片框38", "恶搞", 2, 1, 996483, OwnerAccountB},
    {"图片框39", "恶搞", 3, 1, 996535, OwnerAccountB},
    {"图片框40", "恶搞", 4, 1, 996494, OwnerAccountB},
    {"图片框41", "恶搞", 1, 2, 1122547, OwnerAccountC},
    {"图片框42", "恶搞", 2, 2, 1307087, OwnerAccountA},
    {"图片框43", "恶搞", 3, 2, 1307086, OwnerAccountA},
    {"图片框44", "恶搞", 4, 2, 1052446, OwnerAccountA},
    {"图片框45", "恶搞", 4, 3, 996478, OwnerAccountB},
    {"图片框46", "恶搞", 3, 3, 996545, OwnerAccountB},
    {"图片框47", "恶搞", 2, 3, 996501, OwnerAccountB},
    {"图片框48", "恶搞", 1, 3, 1342181, OwnerAccountA},
    {"图片框49", "可爱", 1, 1, 1374774, OwnerAccountA},
    {"图片框50", "可爱", 2, 1, 1362141, OwnerAccountA},
    {"图片框51", "可爱", 3, 1, 1374773, OwnerAccountA},
    {"图片框52", "可爱", 4, 1, 1374757, OwnerAccountA},
    {"图片框53", "可爱", 1, 2, 1374766, OwnerAccountA},
    {"图片框54", "可爱", 2, 2, 1353044, OwnerAccountA},
    {"图片框55", "可爱", 3, 2, 1353043, OwnerAccountA},
    {"图片框56", "可爱", 4, 2, 1341851, OwnerAccountA},
    {"图片框57", "可爱", 1, 3, 1133199, OwnerAccountA},
    {"图片框58", "可爱", 2, 3, 1340056, OwnerAccountA},
    {"图片框59", "可爱", 3, 3, 1340055, OwnerAccountA},
    {"图片框60", "可爱", 4, 3, 1340062, OwnerAccountA},
}};
// clang-format on

}  // namespace

std::span<const Thumbnail> Thumbnails() {
    return Table;
}

}  // namespace dorvane
