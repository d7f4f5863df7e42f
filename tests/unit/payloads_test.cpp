// The carried payloads and how they are written.
#include "payloads/payloads.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>

#include "recording_platform.h"

namespace dorvane {
namespace {

using testing::RecordingPlatform;

// A payload in the carried layout, built for a test.
struct TestPayload {
    std::vector<std::uint8_t> carried;
    explicit TestPayload(std::vector<std::uint8_t> content,
                         std::optional<std::int32_t> count = {}) {
        const auto n =
            static_cast<std::uint32_t>(count.value_or(static_cast<std::int32_t>(content.size())));
        carried.assign(8 + content.size(), 0);
        carried[0] = 1;
        for (int i = 0; i < 4; ++i) carried[4 + i] = static_cast<std::uint8_t>(n >> (8 * i));
        for (std::size_t i = 0; i < content.size(); ++i) carried[8 + i] = content[i];
    }
    EmbeddedPayload Payload() const { return EmbeddedPayload(carried); }
};

// A count field that lies must never make the writer read past the payload.
TEST(EmbeddedPayload, ContentNeverPassesTheCarriedBytes) {
    EXPECT_EQ(TestPayload({1, 2, 3}, 1000).Payload().Content().size(), 3u);
    EXPECT_TRUE(TestPayload({1, 2, 3}, -5).Payload().Content().empty());
    EXPECT_TRUE(EmbeddedPayload(std::span<const std::uint8_t>()).Content().empty());
}

// WriteToFile over the recording file system: one row per way it can go.
TEST(WriteToFile, Cases) {
    const TestPayload five({1, 2, 3, 4, 5});
    const TestPayload empty({});
    const TestPayload three({7, 8, 9});

    struct Case {
        const char* what;
        const char* name;
        std::vector<const TestPayload*> payloads;
        std::size_t diskSpace;
        bool openFails;
        bool result;
        std::vector<std::uint8_t>
            fileAfter;  // what the file holds; none written when "name" is empty
        std::vector<std::string> calls;
    };
    const std::vector<Case> cases = {
        {"empty name touches nothing", "", {&five}, SIZE_MAX, false, false, {}, {}},
        {"null name touches nothing", nullptr, {&five}, SIZE_MAX, false, false, {}, {}},
        {"open fails: nothing changes",
         "f",
         {&five},
         SIZE_MAX,
         true,
         false,
         {0xAA},
         {"CreateAlways f failed"}},
        {"N = 0 truncates to nothing",
         "f",
         {&empty},
         SIZE_MAX,
         false,
         true,
         {},
         {"CreateAlways f", "Close f"}},
        {"payloads written in order",
         "f",
         {&five, &empty, &three},
         SIZE_MAX,
         false,
         true,
         {1, 2, 3, 4, 5, 7, 8, 9},
         {"CreateAlways f", "Write f 5 -> 5", "Write f 3 -> 3", "Close f"}},
        {"short write stops, closes, keeps what was written",
         "f",
         {&five, &three},
         2,
         false,
         false,
         {1, 2},
         {"CreateAlways f", "Write f 5 -> 2", "Close f"}},
    };
    for (const Case& c : cases) {
        RecordingPlatform platform;
        platform.diskSpace = c.diskSpace;
        platform.files["f"] = {0xAA};  // an older file at the destination
        if (c.openFails) platform.unopenable.insert("f");
        std::vector<EmbeddedPayload> payloads;
        for (const TestPayload* payload : c.payloads) payloads.push_back(payload->Payload());
        const bool result = WriteToFile(platform, c.name, payloads);
        EXPECT_EQ(result, c.result) << c.what;
        EXPECT_EQ(platform.calls, c.calls) << c.what;
        if (c.name && *c.name) {
            EXPECT_EQ(platform.files["f"], c.fileAfter) << c.what;
        }
        EXPECT_EQ(platform.files.size(), 1u) << c.what << ": no other file made";
    }
}

TEST(JoinTexts, JoinsIntoOneFreshAllocation) {
    OwnedText joined = JoinTexts({"C:", "\\SkinH_EL.dll"});
    EXPECT_STREQ(joined.CStr(), "C:\\SkinH_EL.dll");
    EXPECT_EQ(joined.AllocationSize(), 16u);

    // lengths are bytes: a GBK character counts 2; none counts as empty
    OwnedText gbk = JoinTexts({"\xD2\xE2", nullptr, "\xBE\xB3"});
    EXPECT_EQ(gbk.View(), "\xD2\xE2\xBE\xB3");
    EXPECT_EQ(gbk.AllocationSize(), 5u);

    Free(joined);
    EXPECT_TRUE(joined.IsNone());
    Free(joined);  // freeing none does nothing
}

TEST(RunDirectoryQuery, CopyOrNone) {
    ApplicationState state;
    EXPECT_TRUE(RunDirectoryQuery(state).IsNone());
    state.runDirectory = "C:\\Tools";
    OwnedText copy = RunDirectoryQuery(state);
    EXPECT_EQ(copy.View(), "C:\\Tools");
    EXPECT_NE(copy.CStr(), state.runDirectory.c_str());
}

// The skin file goes first, then the library; a failed first write does not
// stop the second.
TEST(StartupSubroutine, WritesSkinThenLibraryAndIgnoresFailures) {
    RecordingPlatform platform;
    platform.unopenable.insert(std::string(SkinFilePath));
    ApplicationState state;
    state.runDirectory = "D:";

    const testing::TestCarriedFiles carried;
    EXPECT_EQ(StartupSubroutine(platform, state, carried.Files()), 0);
    ASSERT_GE(platform.calls.size(), 2u);
    EXPECT_EQ(platform.calls[0], "CreateAlways " + std::string(SkinFilePath) + " failed");
    EXPECT_EQ(platform.calls[1], "CreateAlways D:\\SkinH_EL.dll");
    EXPECT_EQ(platform.files["D:\\SkinH_EL.dll"].size(),
              carried.Files().skinLibrary.Content().size());
}

}  // namespace
}  // namespace dorvane
