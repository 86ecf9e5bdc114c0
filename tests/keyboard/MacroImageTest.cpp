#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "keyboard/MacroImage.h"
#include "macros/FolderFixture.h"
#include "profiles/JsonFile.h"

namespace ilmo::keyboard {
namespace {

using macros::MacroEvent;
using Bytes = std::vector<uint8_t>;

const MacroEvent kPressA{"down", 10, 0x04, 50};
const MacroEvent kReleaseA{"up", 10, 0x04, 50};
const MacroEvent kPressLeftShift{"down", 9, 0x02, 0};

Bytes slice(const Bytes& image, size_t from, size_t count) {
    return {image.begin() + static_cast<long>(from),
            image.begin() + static_cast<long>(from + count)};
}

TEST(MacroImage, OneMacroOfThreeEvents) {
    const MacroImageOutcome outcome =
        build_macro_image({{kPressA, kReleaseA, kPressLeftShift}}, 35);
    EXPECT_EQ(outcome.excess, 0u);
    EXPECT_EQ(outcome.image,
              (Bytes{0xAA, 0x55, 34,   0,    1,    0,    0,    0,    0, 0, 0, 0, 0, 0, 0, 0,  //
                     18,   0,                                                                 //
                     3,    0,    0,    0,                                                     //
                     0x32, 0x00, 0x8A, 0x04, 0x32, 0x00, 0x0A, 0x04,                          //
                     0x00, 0x00, 0x89, 0x02}));
}

TEST(MacroImage, BlocksFollowTheOffsetTable) {
    const Bytes image = build_macro_image({{}, {kReleaseA}}, 1024).image;
    ASSERT_EQ(image.size(), 16u + 2 * 6 + 4);
    EXPECT_EQ(slice(image, 2, 4), (Bytes{32, 0, 2, 0}));
    EXPECT_EQ(slice(image, 16, 4), (Bytes{20, 0, 24, 0}));
    EXPECT_EQ(slice(image, 20, 4), (Bytes{0, 0, 0, 0}));
    EXPECT_EQ(slice(image, 24, 8), (Bytes{1, 0, 0, 0, 0x32, 0x00, 0x0A, 0x04}));
    EXPECT_EQ(build_macro_image({}, 1024).image, Bytes{});  // nothing to store
}

TEST(MacroImage, EventBytesSaturateAndOnlyThePressSetsBitSeven) {
    const MacroImageOutcome outcome = build_macro_image(
        {{{"down", 10, 0x104, 65536}, {"up", 0x8A, 4, 70000}, {"Down", 1, 1, -5}}}, 1024);
    EXPECT_EQ(slice(outcome.image, 22, 12),
              (Bytes{0xFF, 0xFF, 0x8A, 0x04, 0xFF, 0xFF, 0x0A, 0x04, 0x00, 0x00, 0x01, 0x01}));
}

TEST(MacroImage, AnImageThatDoesNotFitIsRefusedWhole) {
    const std::vector<MacroEvents> three{{kPressA, kReleaseA, kPressLeftShift}};  // T = 34
    EXPECT_EQ(build_macro_image(three, 34).excess, 1u);
    EXPECT_TRUE(build_macro_image(three, 34).image.empty());
    const std::vector<MacroEvents> five{MacroEvents(5, kPressA)};  // T = 42
    EXPECT_EQ(build_macro_image(five, 34).excess, 3u);
    EXPECT_EQ(build_macro_image(five, 0).excess, 11u);

    // The size field holds 16 bits: a larger image is refused whatever the capacity says.
    const size_t huge_capacity = 1u << 20;
    const MacroImageOutcome largest =
        build_macro_image({MacroEvents(16378, kPressA)}, huge_capacity);
    EXPECT_EQ(slice(largest.image, 2, 2), (Bytes{0xFE, 0xFF}));  // T = 65534
    const MacroImageOutcome too_large =
        build_macro_image({MacroEvents(16380, kPressA)}, huge_capacity);
    EXPECT_TRUE(too_large.image.empty());  // T = 65542
    EXPECT_EQ(too_large.excess, 2u);
}

class UsedMacroFiles : public macros::testing::FolderFixture {
protected:
    UsedMacroFiles() {
        // 0 and 4 have events, 1 has no file, 2 a broken one, 3 an identifier naming a file
        // outside the folder.
        write(folder() / "macro.config", R"({"MacroInfo": [
            {"MacroName": "a", "Guid": "g0"}, {"MacroName": "b", "Guid": "g1"},
            {"MacroName": "c", "Guid": "g2"}, {"MacroName": "d", "Guid": "../g0"},
            {"MacroName": "e", "Guid": "g4"}]})");
        write(folder() / "g0.mac", R"({"Events": [
            {"Action": "down", "Type": 10, "Button": 4, "Delay": "50"},
            {"Action": "up", "Type": 10, "Button": 4, "Delay": "50"}]})");
        write(folder() / "g2.mac", R"({"Events": [)");
        write(folder() / "g4.mac", R"({"Events": [
            {"Action": "down", "Type": 9, "Button": 2, "Delay": "70000"}]})");
    }
    std::filesystem::path folder() const { return profile_folder(); }
};

TEST_F(UsedMacroFiles, EachListedMacroKeepsItsPlace) {
    const std::vector<MacroEvents> loaded = load_used_macros(folder(), {4, 1, 0, 2, 3, 9, -1});
    ASSERT_EQ(loaded.size(), 7u);
    EXPECT_EQ(loaded[0], (MacroEvents{{"down", 9, 2, 65535}}));
    EXPECT_EQ(loaded[2], (MacroEvents{kPressA, kReleaseA}));
    for (size_t empty : {1, 3, 4, 5, 6}) EXPECT_TRUE(loaded[empty].empty()) << empty;

    write(folder() / "macro.config", "{");
    EXPECT_TRUE(load_used_macros(folder(), {0}).empty());
}

TEST_F(UsedMacroFiles, EveryFileIsReadOnce) {
    std::map<std::filesystem::path, int> reads;
    const DocumentReader counting = [&](const std::filesystem::path& path) {
        ++reads[path.filename()];
        return profiles::read_json_file(path);
    };
    const std::vector<MacroEvents> loaded = load_used_macros(folder(), {4, 1, 0, 2, 3}, counting);
    EXPECT_EQ(
        reads,
        (std::map<std::filesystem::path, int>{
            {"macro.config", 1}, {"g0.mac", 1}, {"g1.mac", 1}, {"g2.mac", 1}, {"g4.mac", 1}}));
    // What was read is what the image holds: sizes and offsets agree with the events.
    const Bytes image = build_macro_image(loaded, 128).image;
    EXPECT_EQ(slice(image, 2, 4), (Bytes{58, 0, 5, 0}));  // 16 + 5 × 6 + 3 × 4
    EXPECT_EQ(slice(image, 16, 10), (Bytes{26, 0, 34, 0, 38, 0, 50, 0, 54, 0}));

    reads.clear();
    EXPECT_TRUE(load_used_macros(folder(), {}, counting).empty());
    EXPECT_TRUE(reads.empty());
}

}  // namespace
}  // namespace ilmo::keyboard
