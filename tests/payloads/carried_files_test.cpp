// The carried files as the program links them: the skin file and the built
// skin engine, in the carried layout, with their pinned sizes.
#include "payloads/carried_files.h"

#include <gtest/gtest.h>

#include <vector>

namespace dorvane {
namespace {

TEST(EmbeddedPayload, CarriedPayloadsHaveTheirSizesAndLayout) {
    EXPECT_EQ(SkinFilePayload().DimensionCount(), 1u);
    EXPECT_EQ(SkinFilePayload().ElementCount(), 13192);
    EXPECT_EQ(SkinLibraryPayload().DimensionCount(), 1u);
#ifndef DORVANE_SANITIZED_BUILD
    EXPECT_EQ(SkinLibraryPayload().ElementCount(), 88576);
#endif
    // the skin file starts ".SHE" 00 03, the library is an ELF object
    const auto skin = SkinFilePayload().Content();
    EXPECT_EQ(std::vector<std::uint8_t>(skin.begin(), skin.begin() + 6),
              (std::vector<std::uint8_t>{0x2E, 0x53, 0x48, 0x45, 0x00, 0x03}));
    const auto library = SkinLibraryPayload().Content();
    EXPECT_EQ(std::vector<std::uint8_t>(library.begin(), library.begin() + 4),
              (std::vector<std::uint8_t>{0x7F, 'E', 'L', 'F'}));
}

}  // namespace
}  // namespace dorvane
