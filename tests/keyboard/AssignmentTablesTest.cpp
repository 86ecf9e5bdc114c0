#include <gtest/gtest.h>

#include <vector>

#include "CodePrinting.h"
#include "keyboard/AssignmentTables.h"

namespace ilmo::keyboard {
namespace {

using profiles::KeyEntry;

constexpr AssignmentCode macro(uint8_t type, uint8_t number, uint8_t repeat) {
    return {type, number, repeat};
}

// Six positions: Esc, A, a filler, B, C, F1.
class AssignmentTables : public ::testing::Test {
protected:
    AssignmentTables() {
        for (AssignmentCode code : {keyboard_key(0x29), keyboard_key(0x04), kNoKey,
                                    keyboard_key(0x05), keyboard_key(0x06), keyboard_key(0x3A)})
            factory_table.insert(factory_table.end(), {code.type, code.first, code.second});
        maps = build_key_maps(factory_table, kPositions, {});
        // Every key starts as it left the factory, on both layers.
        for (int key = 0; key < kPageKeys; ++key) {
            const AssignmentCode identity = key_identity(key);
            const auto index = static_cast<uint16_t>(key);
            keys.push_back(
                {group_of(identity, index), group_of(identity, index), group_of(identity, index)});
        }
    }

    void bind(int key, AssignmentCode normal, AssignmentCode fn) {
        keys[key].normal = group_of(normal, static_cast<uint16_t>(key));
        keys[key].fn = group_of(fn, static_cast<uint16_t>(key));
    }

    static AssignmentCode at(const std::vector<uint8_t>& table, size_t position) {
        return table_code(table, position);
    }

    static constexpr int kPositions = 6;
    std::vector<uint8_t> factory_table;
    KeyMaps maps{};
    std::vector<KeyEntry> keys;
};

TEST_F(AssignmentTables, MacrosArePlacedInKeyOrderAndGoneOnesFallBack) {
    const AssignmentCode f1 = keyboard_key(0x3A);
    bind(0, f1, consumer_code(0x00E9));               // Esc
    bind(1, macro(0x71, 4, 9), f1);                   // F1: Fn equals its default
    bind(2, macro(0x70, 3, 0), kNoFunction);          // F2 is not on this board
    bind(18, macro(0x70, 1, 0), macro(0x70, 1, 0));   // a gap of the layout
    bind(64, macro(0x70, 2, 1), macro(0x71, 4, 7));   // A
    bind(87, macro(0x71, 9, 2), macro(0x70, 9, 0));   // C: macro 9 is gone
    bind(89, macro(0x70, 2, 3), keyboard_key(0x05));  // B: same macro as A

    const LayerTables tables = build_layer_tables(factory_table, kPositions, keys, maps, 5);
    EXPECT_EQ(tables.used_macros, (std::vector<int>{4, 2}));
    EXPECT_EQ(used_macro_list(keys, maps, 5), tables.used_macros);

    ASSERT_EQ(tables.normal.size(), kPositions * 3u);
    ASSERT_EQ(tables.fn.size(), kPositions * 3u);
    EXPECT_EQ(at(tables.normal, 0), f1);
    EXPECT_EQ(at(tables.fn, 0), consumer_code(0x00E9));
    EXPECT_EQ(at(tables.normal, 5), macro(0x71, 0, 9));  // the count rides along unchanged
    EXPECT_EQ(at(tables.fn, 5), kNoFunction);
    EXPECT_EQ(at(tables.normal, 1), macro(0x70, 1, 1));
    EXPECT_EQ(at(tables.fn, 1), macro(0x71, 0, 7));
    EXPECT_EQ(at(tables.normal, 3), macro(0x70, 1, 3));
    EXPECT_EQ(at(tables.fn, 3), kNoFunction);
    EXPECT_EQ(at(tables.normal, 4), keyboard_key(0x06));
    EXPECT_EQ(at(tables.fn, 4), kNoFunction);
    // Nothing is written to the filler position; it keeps the factory code on both layers.
    EXPECT_EQ(at(tables.normal, 2), kNoKey);
    EXPECT_EQ(at(tables.fn, 2), kNoKey);
}

TEST_F(AssignmentTables, NoMacrosLeftMeansNoImage) {
    bind(64, macro(0x70, 0, 0), macro(0x71, 0, 2));
    const LayerTables tables = build_layer_tables(factory_table, kPositions, keys, maps, 0);
    EXPECT_TRUE(tables.used_macros.empty());
    EXPECT_EQ(at(tables.normal, 1), keyboard_key(0x04));
    EXPECT_EQ(at(tables.fn, 1), kNoFunction);
}

TEST_F(AssignmentTables, TablesFollowTheReportedPositions) {
    // A longer factory table (the controller keeps 512 bytes) is cut to the positions...
    std::vector<uint8_t> long_table = factory_table;
    long_table.resize(512, 0x77);
    const LayerTables cut = build_layer_tables(long_table, kPositions, keys, maps, 0);
    EXPECT_EQ(cut.normal.size(), kPositions * 3u);
    // ...and a shorter one leaves the rest 0, as do missing key records.
    const LayerTables padded = build_layer_tables(factory_table, kPositions + 2, {}, maps, 0);
    ASSERT_EQ(padded.normal.size(), (kPositions + 2) * 3u);
    EXPECT_EQ(at(padded.normal, 5), keyboard_key(0x3A));
    EXPECT_EQ(at(padded.normal, 7), kNoFunction);
    EXPECT_EQ(padded.fn, padded.normal);
}

}  // namespace
}  // namespace ilmo::keyboard
