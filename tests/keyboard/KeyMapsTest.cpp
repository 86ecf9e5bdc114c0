#include <gtest/gtest.h>

#include <set>
#include <tuple>
#include <vector>

#include "CodePrinting.h"
#include "keyboard/KeyMaps.h"

namespace ilmo::keyboard {
namespace {

std::vector<uint8_t> table_of(const std::vector<AssignmentCode>& codes) {
    std::vector<uint8_t> table;
    for (const AssignmentCode& code : codes)
        table.insert(table.end(), {code.type, code.first, code.second});
    return table;
}

TEST(KeyIdentity, HandPickedKeysGapsAndRange) {
    EXPECT_EQ(key_identity(0), (AssignmentCode{0x20, 0x00, 0x29}));
    EXPECT_EQ(key_identity(12), (AssignmentCode{0x20, 0x00, 0x45}));
    EXPECT_EQ(key_identity(16), (AssignmentCode{0xA0, 0x1B, 0x00}));
    EXPECT_EQ(key_identity(17), (AssignmentCode{0xA0, 0x24, 0x00}));
    EXPECT_EQ(key_identity(62), (AssignmentCode{0x20, 0x00, 0x32}));
    EXPECT_EQ(key_identity(84), (AssignmentCode{0x20, 0x02, 0x00}));
    EXPECT_EQ(key_identity(103), (AssignmentCode{0x20, 0x00, 0x85}));
    EXPECT_EQ(key_identity(110), (AssignmentCode{0xA0, 0x01, 0x00}));
    EXPECT_EQ(key_identity(119), (AssignmentCode{0x20, 0x00, 0x57}));
    EXPECT_EQ(key_identity(120), (AssignmentCode{0xD0, 0xA2, 0x01}));
    EXPECT_EQ(key_identity(124), (AssignmentCode{0xD0, 0xA2, 0x05}));
    EXPECT_EQ(key_identity(125), (AssignmentCode{0x20, 0x80, 0x00}));
    for (int gap : {18, 19, 20, 104, 126, 169, -1, 170})
        EXPECT_EQ(key_identity(gap), kNoKey) << gap;

    // Every other key has an identity of its own, or two keys would share one position.
    std::set<std::tuple<int, int, int>> seen;
    for (int key = 0; key < kPageKeys; ++key) {
        const AssignmentCode code = key_identity(key);
        if (code == kNoKey) continue;
        EXPECT_TRUE(seen.insert({code.type, code.first, code.second}).second) << key;
    }
    EXPECT_EQ(seen.size(), 122u);
}

// A board whose positions run in the reverse of the page's order, gaps included.
TEST(KeyMaps, PositionsComeFromTheBoardsOwnOrder) {
    std::vector<AssignmentCode> codes;
    std::vector<uint8_t> leds;
    for (int position = 0; position < kPageKeys; ++position) {
        codes.push_back(key_identity(kPageKeys - 1 - position));
        leds.push_back(static_cast<uint8_t>(position + 40));
    }
    const KeyMaps maps = build_key_maps(table_of(codes), kPageKeys, leds);
    for (int key = 0; key < kMappedKeys; ++key) {
        if (key_identity(key) == kNoKey) {
            // Keys the board lacks never alias a filler position that holds 20 00 00.
            EXPECT_EQ(maps.key_position[key], kNoPosition) << key;
            EXPECT_EQ(maps.light_led[key], kNoPosition) << key;
            continue;
        }
        EXPECT_EQ(maps.key_position[key], kPageKeys - 1 - key) << key;
        EXPECT_EQ(maps.light_led[key], kPageKeys - 1 - key + 40) << key;
    }
}

TEST(KeyMaps, FirstMatchWinsAndOnlyReportedPositionsCount) {
    const auto table =
        table_of({keyboard_key(0x04), kNoKey, keyboard_key(0x29), keyboard_key(0x04), m_key(3)});
    const std::vector<uint8_t> leds{9, 8, 7, 6, 5};
    const KeyMaps maps = build_key_maps(table, 5, leds);
    EXPECT_EQ(maps.key_position[64], 0);  // A, also at position 3
    EXPECT_EQ(maps.light_led[64], 9);
    EXPECT_EQ(maps.key_position[0], 2);  // Esc
    EXPECT_EQ(maps.light_led[0], 7);
    EXPECT_EQ(maps.key_position[122], 4);  // M3
    EXPECT_EQ(maps.key_position[18], kNoPosition);
    EXPECT_EQ(maps.key_position[1], kNoPosition);  // F1 is not on this board

    EXPECT_EQ(build_key_maps(table, 3, leds).key_position[122], kNoPosition);
    // An LED table too short for a position leaves its light unmapped.
    const KeyMaps short_leds = build_key_maps(table, 5, std::vector<uint8_t>{9, 8});
    EXPECT_EQ(short_leds.key_position[0], 2);
    EXPECT_EQ(short_leds.light_led[0], kNoPosition);

    // Key events name positions: back to the page key, and none for a position no key has.
    EXPECT_EQ(key_at_position(maps, 3), std::nullopt);  // the second A
    EXPECT_EQ(key_at_position(maps, 4), 122);
    for (int nowhere : {1, 5, 254, 255, -1})
        EXPECT_EQ(key_at_position(maps, nowhere), std::nullopt) << nowhere;
}

TEST(KeyMaps, BytesUsedAsIndexesStayInsideTheTables) {
    // More positions claimed than the factory table holds: only whole codes are read.
    const auto two_codes = table_of({keyboard_key(0x04), keyboard_key(0x29)});
    const std::vector<uint8_t> cut(two_codes.begin(), two_codes.end() - 1);
    EXPECT_EQ(build_key_maps(cut, 200, {}).key_position[64], 0);
    EXPECT_EQ(build_key_maps(cut, 200, {}).key_position[0], kNoPosition);

    // Past 170 positions nothing is mapped, even when the table goes on.
    std::vector<AssignmentCode> codes(kMappedKeys, kNoKey);
    codes.push_back(keyboard_key(0x29));
    EXPECT_EQ(build_key_maps(table_of(codes), 171, {}).key_position[0], kNoPosition);

    // The controller keeps 512 bytes of the LED table; an unmapped key must not read byte 255.
    std::vector<uint8_t> leds(512, 7);
    const KeyMaps maps = build_key_maps(two_codes, 2, leds);
    EXPECT_EQ(maps.light_led[1], kNoPosition);
    EXPECT_EQ(maps.light_led[0], 7);
}

}  // namespace
}  // namespace ilmo::keyboard
