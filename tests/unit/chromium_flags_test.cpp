// The web engine's start flags: ours added once, anything already set kept.
#include "platform/qt/chromium_flags.h"

#include <gtest/gtest.h>

#include <vector>

namespace dorvane {
namespace {

// Catches dropping a caller's flags (a test's proxy), adding a flag twice,
// matching a flag by prefix, and turning the sandbox off for everyone.
TEST(ChromiumFlagsTest, AddsOursOnceAndKeepsTheRest) {
    struct Case {
        const char* existing;
        bool root;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {"", false, "--disable-background-networking"},
        {"", true, "--no-sandbox --disable-background-networking"},
        {"--proxy-server=127.0.0.1:8080", true,
         "--proxy-server=127.0.0.1:8080 --no-sandbox --disable-background-networking"},
        {"--no-sandbox", true, "--no-sandbox --disable-background-networking"},
        {"--disable-background-networking --no-sandbox", true,
         "--disable-background-networking --no-sandbox"},
        {"--no-sandboxes", true, "--no-sandboxes --no-sandbox --disable-background-networking"},
        {"--proxy-server=127.0.0.1:8080", false,
         "--proxy-server=127.0.0.1:8080 --disable-background-networking"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.existing);
        EXPECT_EQ(ChromiumFlags(c.existing, c.root), c.expected);
    }
}

}  // namespace
}  // namespace dorvane
