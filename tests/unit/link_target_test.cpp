// Reading a symbolic link whole: the executable's path must never be cut
// short, whatever its length.
#include "platform/posix/link_target.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "posix_fixtures.h"

namespace dorvane {
namespace {

// Catches a fixed buffer (the 260 bytes of the original) and an off-by-one
// at a length that fills a buffer exactly; the targets need not exist.
TEST(LinkTargetTest, ReadsTargetsOfEveryLengthWhole) {
    testing::TempFolder folder;
    for (std::size_t length : {1u, 255u, 256u, 257u, 260u, 511u, 512u, 4095u}) {
        SCOPED_TRACE(length);
        std::string target(length, 'd');
        for (std::size_t slash = 0; slash < length; slash += 200) target[slash] = '/';
        const std::string link = folder.File("link" + std::to_string(length));
        ASSERT_EQ(::symlink(target.c_str(), link.c_str()), 0);
        EXPECT_EQ(LinkTarget(link.c_str()), target);
    }
}

TEST(LinkTargetTest, MissingLinkGivesNone) {
    testing::TempFolder folder;
    EXPECT_EQ(LinkTarget(folder.File("none").c_str()), std::nullopt);
}

}  // namespace
}  // namespace dorvane
