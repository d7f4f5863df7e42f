// The outfit catalogue, its addresses, and its agreement with the window
// layout. Names are GBK bytes in the program; this file is UTF-8, so they are
// spelled here in hex.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "catalogue/outfit_catalogue.h"
#include "core/program_values.h"
#include "gbk_hex.h"
#include "layout/embedded_pictures.h"
#include "layout/main_window_layout.h"

namespace dorvane {
namespace {

std::string Gbk(std::string_view hex) {
    return testing::GbkFromHex(hex);
}

using testing::Box;
using testing::Egao;
using testing::Keai;
using testing::Yijing1;
using testing::Yijing2;
using testing::Yijing3;

const std::string AddressPrefix = "http://show.qq.com/p/f?t=13&i=";

const OutfitEntry& Entry(int box) {
    const OutfitEntry* entry = CatalogueLookup(Box(box));
    if (entry == nullptr) throw std::runtime_error("no entry " + std::to_string(box));
    return *entry;
}

TEST(OutfitCatalogue, AddressesPinned) {
    EXPECT_EQ(OutfitAddress(Entry(41)), AddressPrefix + "1122547&u=2046183357");  // OwnerAccountC
    EXPECT_EQ(OutfitAddress(Entry(37)), AddressPrefix + "996540&u=651204739");    // six digits
    EXPECT_EQ(OutfitAddress(Entry(1)), AddressPrefix + "1374781&u=1130062874");
    EXPECT_EQ(OutfitAddress(Entry(60)), AddressPrefix + "1340062&u=1130062874");
}

// a copied row or a wrong owner column shows as a repeated address or a count off
TEST(OutfitCatalogue, SixtyDistinctAddressesWithTheOwnersAsListed) {
    const auto entries = OutfitCatalogue();
    ASSERT_EQ(entries.size(), 60u);
    std::set<std::string> addresses;
    std::map<std::string_view, int> perOwner;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const OutfitEntry& entry = entries[i];
        EXPECT_EQ(entry.pictureBox, Box(static_cast<int>(i) + 1));
        EXPECT_EQ(CatalogueLookup(entry.pictureBox), &entry);
        const std::string address = OutfitAddress(entry);
        EXPECT_TRUE(address.starts_with(AddressPrefix)) << address;
        EXPECT_EQ(address,
                  AddressPrefix + std::to_string(entry.item) + "&u=" + std::string(entry.owner));
        EXPECT_TRUE(addresses.insert(address).second) << address;
        EXPECT_TRUE(entry.item >= 996478 && entry.item <= 1374784) << entry.item;
        ++perOwner[entry.owner];
        // the six-digit items are exactly those of the second owner
        EXPECT_EQ(entry.item < 1000000, entry.owner == OwnerAccountB) << entry.pictureBox;
    }
    EXPECT_EQ(perOwner[OwnerAccountA], 52);
    EXPECT_EQ(perOwner[OwnerAccountB], 7);
    EXPECT_EQ(perOwner[OwnerAccountC], 1);
    EXPECT_EQ(Entry(41).owner, OwnerAccountC);
}

TEST(OutfitCatalogue, CellsComeFromTheTableNotTheBoxNumber) {
    struct Case {
        int box;
        std::string panel;
        int row, column;
    };
    const Case cases[] = {
        {17, Yijing2, 3, 1}, {21, Yijing2, 2, 1}, {45, Egao, 3, 4},    {48, Egao, 3, 1},
        {33, Yijing3, 3, 1}, {29, Yijing3, 2, 1}, {12, Yijing1, 3, 4}, {49, Keai, 1, 1},
    };
    for (const Case& c : cases) {
        const OutfitEntry& entry = Entry(c.box);
        EXPECT_EQ(entry.panel, c.panel) << c.box;
        EXPECT_EQ(entry.row, c.row) << c.box;
        EXPECT_EQ(entry.column, c.column) << c.box;
    }
}

TEST(OutfitCatalogue, UnknownNamesGiveNone) {
    const std::string names[] = {
        Box(61),   Box(0), Yijing1, Egao, std::string(), Box(1) + " ", Gbk("CDBCC6ACBFF2") + "01",
        "图片框1",  // the same name in UTF-8, as a wrongly converted caller would pass it
    };
    for (const std::string& name : names) EXPECT_EQ(CatalogueLookup(name), nullptr) << name;
}

TEST(OutfitCatalogue, PanelEntriesInCellOrder) {
    struct Case {
        std::string panel;
        std::vector<int> boxes;  // row 1 columns 1..4, then rows 2 and 3
    };
    const Case cases[] = {
        {Yijing1, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
        {Yijing2, {13, 14, 15, 16, 21, 22, 23, 24, 17, 18, 19, 20}},
        {Yijing3, {25, 26, 27, 28, 29, 34, 35, 36, 33, 30, 31, 32}},
        {Egao, {37, 38, 39, 40, 41, 42, 43, 44, 48, 47, 46, 45}},
        {Keai, {49, 50, 51, 52, 53, 54, 55, 56, 57, 58, 59, 60}},
        {Box(1), {}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> actual, expected;
        for (const OutfitEntry* entry : PanelEntries(c.panel))
            actual.emplace_back(entry->pictureBox);
        for (int box : c.boxes) expected.push_back(Box(box));
        EXPECT_EQ(actual, expected) << c.panel;
    }
}

// Inside 意境3 the items ascend in reading order; a swapped pair of rows in
// either the cells or the items breaks it.
TEST(OutfitCatalogue, ThirdPanelItemsAscendInReadingOrder) {
    const auto entries = PanelEntries(Yijing3);
    for (std::size_t i = 1; i < entries.size(); ++i) {
        EXPECT_LT(entries[i - 1]->item, entries[i]->item) << entries[i]->pictureBox;
    }
}

// The layout places the boxes by the thumbnail table the catalogue reads: each
// box in its panel, at its cell, with its own picture (box n, picture n).
TEST(CatalogueAndLayout, AgreeOnEveryBoxsPanelPlaceAndPicture) {
    const MainWindowLayout& layout = TheMainWindowLayout();
    for (const OutfitEntry& entry : OutfitCatalogue()) {
        const ControlLayout* box = FindControl(layout, entry.pictureBox);
        ASSERT_NE(box, nullptr) << entry.pictureBox;
        EXPECT_EQ(box->kind, ControlKind::PictureBox);
        EXPECT_EQ(box->parent, entry.panel) << entry.pictureBox;
        EXPECT_EQ(box->left, 8 + 80 * (entry.column - 1)) << entry.pictureBox;
        EXPECT_EQ(box->top, 16 + 144 * (entry.row - 1)) << entry.pictureBox;

        const int number = static_cast<int>(&entry - OutfitCatalogue().data()) + 1;
        const auto& thumbnail = embedded::Thumbnails[number - 1];
        EXPECT_EQ(box->image.bytes.data(), thumbnail.data()) << entry.pictureBox;
        EXPECT_EQ(box->image.bytes.size(), thumbnail.size()) << entry.pictureBox;
    }
    int pictureBoxes = 0;
    for (const ControlLayout& control : layout.controls) {
        if (control.kind != ControlKind::PictureBox) continue;
        ++pictureBoxes;
        EXPECT_NE(CatalogueLookup(control.name), nullptr) << control.name;
    }
    EXPECT_EQ(pictureBoxes, 60);
}

}  // namespace
}  // namespace dorvane
